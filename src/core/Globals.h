#pragma once
// The global state of the program: the six match slots, the sixteen lanes,
// the settings and the few variables that name the current match and player.
// Everything runs on the one UI thread; there are no private copies.

#include "core/CheckedArray.h"
#include "core/Records.h"
#include "core/Settings.h"

#include <QString>
#include <QStringList>

extern Array1<TWettkampfDaten, MaxWettkaempfe> Wettkaempfe;
extern Array1<u8, MaxWettkaempfe> WettkampfBelegt;
extern u8 WettkampfAnzahl;
extern u8 AktWettkampfNr;               // 1..6, 0 none
extern TWettkampfDaten* AktWettkampf;   // Wettkaempfe[AktWettkampfNr] or null
extern TSpielerEintrag* AktSpieler;
extern u32 AktSpielerNr;                // 1..16, 0 none
extern Array1<TBahnDaten, MaxBahnen> BahnDaten;
extern u8 BahnAnzahl;                   // lanes of the alley: setting Bahnen, default 4
extern u8 OffeneFenster;                // bits of OffenesFenster
extern QString Spielordner;

extern TEinstellungen Einst;

// Program-wide display switches.
extern u8 AnzeigeBoardEin;
extern u8 MannschNamenAnzeigen;
extern u8 MannschaftsanzeigeAn;
extern u8 NamenanzeigeAn;

// Program-wide state of the shell, the devices and the windows.
extern QString Versionstext;
extern u8 AktivesFenster;          // kind (OffenesFenster) of the active child window, 0 none
extern u8 TouchEingabe;            // a tap on an edit opens the on-screen keyboard
extern u8 KartenleserAktiv;        // a chip-card reader is open
extern u8 KartenTimerAktiv;        // the card poll may run
extern QString KartenStatusText;   // shown on the start-up window
extern u8 HinweisStatusleisteAus;  // the network transfers use status panel 0
extern u8 NetzBeschaeftigt;        // the network module is sending to a monitor client
// Lane printers behind the lane controllers: result of each lane's last
// printer frame (1 = sent) and the lanes whose printer output waits.
extern Array1<i32, MaxBahnen> DruckerSendeErgebnis;
extern u16 BahnDruckAusstehend;

// Throw presets, one a line of "Wurfvorw.inf", fields separated by ';'.
extern QStringList WurfvorwListe;

// The pair table of the ranking sort.
struct TPaar {
    qint64 Schluessel = 0;
    i32 Wert = 0;
};
constexpr int MaxPaare = 16;
extern Array1<TPaar, MaxPaare> Paare;

// Lane records as at program start: BahnNr = n, every other field 0.
void BahnDatenStartwerte();

// Restores the whole start state (for tests and the program start).
void GlobalsZuruecksetzen();
