#pragma once
// The CAN adapter in use: which kind the settings name, opening and closing
// it with its bit timing, and the outcome for the options dialog. The adapter
// kinds of the settings map onto Linux CAN interfaces; the key
// CanSchnittstelle names the interface, otherwise the kind gives the default.

#include "core/Records.h"
#include "platform/CanAdapter.h"

#include <QString>
#include <QStringList>

struct TCanEinstellungen {
    u8 Btr0 = 0;
    u8 Btr1 = 0;
    i32 KartenTyp = 0;
    u16 Port = 0;  // 0xFFFF: search for it
    u8 Irq = 0;    // 0xFF: search for it
    i32 CanBusKarte = 0;
    u16 CanBusMem = 0;
    u8 CanBusIrq = 0;
    u8 CanBusTakt = 0;
    u8 CanBusTakt0 = 0;
    u8 CanBusTakt1 = 0;
    QString KartenName;
    QString PortText;
    QString IrqText;
    QString StatusText;
};

// The adapter's state; the names below refer into it. The installed adapter
// is a seam and stays.
struct CanKarteZustand {
    TCanEinstellungen CanEinstellungen;
    u8 CanKarteOffen = 0;  // an adapter was opened and started
    u8 CanAktiv = 0;       // the bus is in use (callers copy CanKarteOffen)
    // The adapter in use went away (a USB adapter pulled): the bus stays in
    // use, frames wait in their queues, and the watch timer opens it again.
    u8 CanKarteGetrennt = 0;

    void zuruecksetzen() { *this = CanKarteZustand{}; }
};
extern CanKarteZustand canKarteZustand;

extern TCanEinstellungen& CanEinstellungen;
extern u8& CanKarteOffen;
extern u8& CanAktiv;
extern u8& CanKarteGetrennt;
inline const QString CanKarteGetrenntText = QStringLiteral("CAN Karte getrennt !");

// Acceptance code and mask of the lane identifiers.
constexpr u32 CanAkzeptanzCode = 0x200;
constexpr u32 CanAkzeptanzMaske = 0xFF07;

// Adapter kinds 0..11 as the options dialog shows them.
extern const QStringList CanKartenTexte;
// Bus clock choices 0..7: options text, BTR0, BTR1.
struct TCanBusTakt {
    const char* text;
    u8 btr0;
    u8 btr1;
};
extern const TCanBusTakt CanBusTaktTabelle[8];

// Bit rate of the two timing register bytes (SJA1000, 8 MHz CAN clock).
u32 BitrateAusBtr(u8 btr0, u8 btr1);
// The Linux interface for the adapter kind: the setting CanSchnittstelle, or
// the kind's default; empty for kinds without a driver.
QString CanSchnittstelleFuer(i32 kartenTyp);

// Copies the stored settings into the fields in use; timing bytes that are
// both 0 come from CanBusTakt.
void CanEinstellungenUebernehmen();

// The adapter object behind the layer; the program installs the Qt one,
// tests a fake. Null: no adapter can be opened.
void setCanAdapter(CanAdapter* adapter);
CanAdapter* canAdapter();

void VciInitialisieren();   // kinds 1..7
void PcanInitialisieren();  // kinds 8..10
void CanKarteSchliessen();  // kind 11, and closing whatever is open
// Opens by KartenTyp (0: nothing) and sets CanAktiv := CanKarteOffen; the
// watch timer runs while the bus is in use.
void CanKarteOeffnen();

// Every few seconds while the bus is in use: notices an adapter that went
// away, reports it in the status bar and tries to open it again; once it is
// back, the match goes on with what was queued meanwhile.
constexpr int CanWacheIntervallMs = 3000;
class Zeitgeber;
Zeitgeber& CanWacheTimer();
void CanWacheTick();
