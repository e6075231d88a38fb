#pragma once
// The send side of the bus: the identifier plan, the per-lane send queues and
// the board queue, and the send pump that the send timer runs.

#include "core/CheckedArray.h"
#include "core/Records.h"
#include "match/bus/CanFrames.h"

class Zeitgeber;

struct TCanNachricht {
    u32 Id = 0;
    u8 Typ = 0;  // always 0: standard data frame
    u8 Laenge = 0;
    CheckedArray<u8, 0, 7> Daten;
};

constexpr int BahnPufferGroesse = 128;
constexpr int AnzeigePufferGroesse = 256;

// The send side's state; the names below refer into it.
struct CanSendenZustand {
    // Identifiers (set by CanTabellenSetzen).
    Array1<TCanNachricht, MaxBahnen> CanSendeBahn{};
    Array1<TCanNachricht, MaxBahnen> CanSendeDrucker{};
    TCanNachricht CanSendeAnzeige{};
    u32 MannschanzCanId = 0x308;
    u32 NamenanzCanId = 0x310;

    // Lane queues: rings of 128 frames. A refresh (CanRahmen::Auffrischschluessel)
    // takes the place of a queued one of its key behind which only refreshes
    // wait; a full queue gives its oldest refresh up for a frame the lane
    // acts upon; a frame that still does not fit is refused.
    Array1<CheckedArray<TCanNachricht, 0, BahnPufferGroesse - 1>, MaxBahnen> BahnSendepuffer{};
    Array1<u8, MaxBahnen> BahnSendeSchreibzeiger{};
    Array1<u8, MaxBahnen> BahnSendeLesezeiger{};
    Array1<u16, MaxBahnen> BahnSendeAnzahl{};  // frames waiting in the ring
    u16 BahnSendenAusstehend = 0;              // bit n-1: lane n has frames not yet confirmed
    Array1<i32, MaxBahnen> BahnSendeErgebnis{};  // 1 = the last frame went out

    // Board queue: a ring of 256 frames with their identifiers.
    CheckedArray<TCanNachricht, 0, AnzeigePufferGroesse - 1> AnzeigeSendepuffer{};
    u8 AnzeigeSendeSchreibzeiger = 0;
    u8 AnzeigeSendeLesezeiger = 0;
    u16 AnzeigeSendeAnzahl = 0;
    u16 AnzeigeSendenAktiv = 0;
    i32 CanSendeErgebnis = 1;

    // Frames refused because their queue was full (or their lane unknown),
    // and refreshes given up for a frame the lane acts upon.
    u32 CanSendeVerworfen = 0;
    // Refreshes that took the place of an older one of their key.
    u32 CanSendeErsetzt = 0;
    // Frames the adapter took and printer blocks sent, counted on (wrapping):
    // the program end waits while it grows.
    u32 CanGesendet = 0;

    // One log line per overflow: set at the first refused frame, cleared
    // when the queue has drained.
    Array1<bool, MaxBahnen> bahnUeberlauf{};
    bool anzeigeUeberlauf = false;

    // Every queue empty, every result 1; the identifiers still to be set.
    void zuruecksetzen();
};
extern CanSendenZustand canSendenZustand;

extern Array1<TCanNachricht, MaxBahnen>& CanSendeBahn;
extern Array1<TCanNachricht, MaxBahnen>& CanSendeDrucker;
extern TCanNachricht& CanSendeAnzeige;
extern u32& MannschanzCanId;
extern u32& NamenanzCanId;
extern Array1<CheckedArray<TCanNachricht, 0, BahnPufferGroesse - 1>, MaxBahnen>& BahnSendepuffer;
extern Array1<u8, MaxBahnen>& BahnSendeSchreibzeiger;
extern Array1<u8, MaxBahnen>& BahnSendeLesezeiger;
extern Array1<u16, MaxBahnen>& BahnSendeAnzahl;
extern u16& BahnSendenAusstehend;
extern Array1<i32, MaxBahnen>& BahnSendeErgebnis;
extern CheckedArray<TCanNachricht, 0, AnzeigePufferGroesse - 1>& AnzeigeSendepuffer;
extern u8& AnzeigeSendeSchreibzeiger;
extern u8& AnzeigeSendeLesezeiger;
extern u16& AnzeigeSendeAnzahl;
extern u16& AnzeigeSendenAktiv;
extern i32& CanSendeErgebnis;
extern u32& CanSendeVerworfen;
extern u32& CanSendeErsetzt;
extern u32& CanGesendet;

// Lane n receives on 0x600 + 8n + k, its printer on 0x700 + 8n; k is
// PcEinheit - 1 for PcEinheit 2..8, else 0.
u32 BahnCanId(int bahn);
u32 DruckerCanId(int bahn);
u32 StationsOffset();

// Sets the identifiers after an adapter was opened. What is queued is kept
// (it goes out under the identifiers now in use), except for lanes beyond
// BahnAnzahl, which are never pumped.
void CanTabellenSetzen();
// Queue state as at program start: every queue empty, every result 1.
void CanSendenZuruecksetzen();

// Queues one frame for lane 1..BahnAnzahl; false when refused (bus off, lane
// out of range, queue full). The frames the lane acts upon keep their order;
// a refresh may stand in for an older one of its key that waits behind the
// last of them.
bool CanNachrichtSenden(int bahn, const CanDaten& daten);
bool CanNachrichtSenden1(int bahn, u8 d0);
bool CanNachrichtSenden2(int bahn, u8 d0, u8 d1);
bool CanNachrichtSenden3(int bahn, u8 d0, u8 d1, u8 d2);
bool CanNachrichtSenden4(int bahn, u8 d0, u8 d1, u8 d2, u8 d3);
bool CanNachrichtSenden5(int bahn, u8 d0, u8 d1, u8 d2, u8 d3, u8 d4);
bool CanNachrichtSenden6(int bahn, u8 d0, u8 d1, u8 d2, u8 d3, u8 d4, u8 d5);
bool CanNachrichtSenden7(int bahn, u8 d0, u8 d1, u8 d2, u8 d3, u8 d4, u8 d5, u8 d6);
bool CanNachrichtSenden8(int bahn, u8 d0, u8 d1, u8 d2, u8 d3, u8 d4, u8 d5, u8 d6, u8 d7);

// Queues one board frame with its identifier.
bool AnzeigeNachrichtSenden(u32 id, const CanDaten& daten);
bool AnzeigeNachrichtSenden2(u32 id, u8 d0, u8 d1);
bool AnzeigeNachrichtSenden3(u32 id, u8 d0, u8 d1, u8 d2);
bool AnzeigeNachrichtSenden8(u32 id, u8 d0, u8 d1, u8 d2, u8 d3, u8 d4, u8 d5, u8 d6, u8 d7);

// The pumps; only the send tick calls them.
void BahnSendepufferSenden(int bahn);
void AnzeigepufferSenden();

// The send timer: switched on by every queueing, runs CanSendenTick every
// CanBusTimer ms, switches itself off when nothing was sent.
Zeitgeber& CanSendeTimer();
void CanSendenTick();

// Pending printer output of a lane (throw-sheet printers); sends at most one
// frame or block and says whether it sent something. The program installs
// the printer queues' share (DruckausgabeSenden); without it the tick sends
// no printer output.
using DruckerSendeFunktion = bool (*)(int bahn);
void setDruckerSenden(DruckerSendeFunktion f);
