#pragma once
// The throw-sheet printer queues and their pumps. Print jobs never talk to a
// device: a job is built whole, appended to the queue of the printer that
// serves its lane and the lane is marked as having output. The send tick
// drains the queues: byte by byte to a central printer (1..4) on a PC port
// through the port layer, or up to eight bytes a frame to the printer behind
// a lane controller (identifier 0x700 + 8L).
//
// The central printers and the lane printers have queues of their own, so a
// lane printer never receives a central printer's bytes.

#include "core/CheckedArray.h"
#include "core/Records.h"

#include <QByteArray>
#include <QByteArrayView>

constexpr int DruckerPufferGroesse = 4096;
constexpr int DruckerZeilenGroesse = 101;
constexpr int ZentralDruckerAnzahl = 4;
constexpr int DruckerRahmenBytes = 8;
// Not-ready answers of a central printer after which its lane asks the operator.
constexpr int DruckerNichtBereitGrenze = 10;
// What a printer holds back beyond its queue while the printer is slower than
// the match: a whole match's sheets many times over.
constexpr int DruckerUeberlaufGrenze = 256 * 1024;

// Positions count from the start of their block; a queue is empty when both
// are equal and never wraps: the pump sets an empty one back to the start.
struct DruckwarteschlangeZustand {
    // Central printers 1..4: queue, line buffer (sent first: the printer reset).
    Array1<CheckedArray<u8, 0, DruckerPufferGroesse - 1>, ZentralDruckerAnzahl> DruckerPuffer;
    Array1<u16, ZentralDruckerAnzahl> DruckerLesezeiger{};
    Array1<u16, ZentralDruckerAnzahl> DruckerSchreibzeiger{};
    Array1<CheckedArray<u8, 0, DruckerZeilenGroesse - 1>, ZentralDruckerAnzahl> DruckerZeile;
    Array1<u16, ZentralDruckerAnzahl> DruckerZeilenAnfang{};
    Array1<u16, ZentralDruckerAnzahl> DruckerZeilenZeiger{};
    // Lane printers 1..16 behind the lane controllers.
    Array1<CheckedArray<u8, 0, DruckerPufferGroesse - 1>, MaxBahnen> BahnDruckerPuffer;
    Array1<u16, MaxBahnen> BahnDruckerLesezeiger{};
    Array1<u16, MaxBahnen> BahnDruckerSchreibzeiger{};
    // Jobs that did not fit behind a queue's write position wait here in
    // order and move into the queue as it drains, so no output is lost.
    Array1<QByteArray, ZentralDruckerAnzahl> DruckerUeberlauf;
    Array1<QByteArray, MaxBahnen> BahnDruckerUeberlauf;

    // Per lane: the central printer serving it (0 none), not-ready answers
    // since the last request to the operator.
    Array1<u8, MaxBahnen> DruckerZuordnung{};
    Array1<u8, MaxBahnen> BahnDruckerZustand{};
    // Per central printer: taken by a match or the report; its port was
    // configured successfully.
    Array1<u8, ZentralDruckerAnzahl> DruckerBeschaeftigt{};
    Array1<u8, ZentralDruckerAnzahl> DruckerportBereit{};
    // Per central printer: the match it prints sheets for while taken (null
    // for none and for the report). A lane's DruckerZuordnung outlives its
    // match so that the rest of its output drains; only this says whether
    // the printer is still the lane's own.
    Array1<TWettkampfDaten*, ZentralDruckerAnzahl> DruckerSpiel{};
    // Lanes whose output waits for a central printer (bit L-1).
    u16 PcDruckAusstehend = 0;
    // The report occupies a central printer: every job goes to the PC pump.
    u8 DruckerportBelegt = 0;
    // The printer opened for the report (0 none); only its emptying ends the report.
    u8 BerichtDrucker = 0;
    // The port layer was initialised for the printers with a port.
    u8 DruckerportInit = 0;
    // Bytes the central printers took, for the wait at program end.
    u32 DruckerGesendet = 0;

    void zuruecksetzen();
};
extern DruckwarteschlangeZustand druckwarteschlangeZustand;

extern Array1<u8, MaxBahnen>& DruckerZuordnung;
extern Array1<u8, MaxBahnen>& BahnDruckerZustand;
extern Array1<u8, ZentralDruckerAnzahl>& DruckerBeschaeftigt;
extern Array1<u8, ZentralDruckerAnzahl>& DruckerportBereit;
extern u16& PcDruckAusstehend;
extern u8& DruckerportBelegt;

// Lane events.
void BahndruckBeginnen(int bahn);
void BahndruckBeenden(int bahn);
// Marks the lane's new output for the pump that serves it and switches the
// send timer on.
void BahndruckAnstossen(int bahn);

// Appends a whole job for the lane to the queue of its printer (the lane
// printer's own queue with DrEinzelbahn, else its central printer's) and
// ends with BahndruckAnstossen. A job that does not fit into the rest of the
// queue waits behind it, in order, and follows as the printer drains the
// queue. False when the lane has no printer to print on, and when the
// printer is so far behind that even that hold is full (logged).
bool DruckauftragAnhaengen(int bahn, QByteArrayView auftrag);
// Bytes waiting for the central printer 1..4 (line buffer, queue and what
// waits behind it), and for the lane printer 1..16.
int DruckerAusstehend(int drucker);
int BahnDruckerAusstehend(int bahn);

// The pumps: the lane's central printer (a port not open yet is opened
// again first; one that stays shut counts as a printer not ready); the
// lane's printer over the bus, one frame a call, of length 0 when the lane
// is marked but nothing waits (true when the adapter took it; a refused
// frame goes again unchanged at the next call).
void DruckerportAusgeben(int bahn);
bool DruckerCanAusgeben(int bahn);
// The printer share of one send tick for lane L: pumps the output pending
// for it and keeps the send timer on while any remains. True when a frame
// went out on the bus (fits setDruckerSenden).
bool DruckausgabeSenden(int bahn);

// Assigns a free central printer to the lane and its pair lane when that is
// a lane of the same match (two-lane sheets: each pair of a match on more
// lanes gets a printer of its own), to every lane of the match (central
// sheets), or to the lane for the report; configures the port and queues the
// printer reset. True at once when the lane's match already holds a printer
// for it; false when no printer is free.
bool BahndruckerZuordnen(int bahn);
bool BahndruckerZuordnenSpiel(int bahn);
bool BerichtDruckerOeffnen(int bahn);
// Queues the reset for the lane's central printer in its line buffer; a
// lane that prints its own sheets gets it on its printer over the bus.
void BahnDruckerInitialisieren(int bahn);
// Opens the port of central printer p with its settings; DruckerportBereit
// says whether it can be written.
void DruckerportKonfigurieren(int p);
// Frees the lane's central printer unless another lane of its match in play
// still prints on it. A printer that the lane's match does not hold (the
// report's, another match's, one freed already) stays as it is.
void ZentralDruckerFreigeben(int bahn);
// Drops what waits for the lane's central printer.
void DruckwarteschlangeLeeren(int bahn);
// Drops what waits in every queue and line buffer.
void DruckwarteschlangenLeeren();
// True when another lane than this one that prints on the same sheet (the
// pair lane of a two-lane sheet, the match's other lanes on a central one;
// lanes of the same match on the same printer) still has its sheet printer
// on.
bool DruckerGeteilt(int bahn);
// The operator has seen to the lane's printer ("Prüfen"): the other lanes
// printing on it are not asked about it again for the same fault; their
// waiting prompt requests are withdrawn and their not-ready counts start
// again.
void DruckeranfragenZurueckziehen(int bahn);

// The lane's column on the sheet from its match's layout.
void DruckspalteBestimmen(int bahn);
