#pragma once
// The global state of the program: the six match slots, the sixteen lanes,
// the settings and the few variables that name the current match and player.
// Everything runs on the one UI thread; there are no private copies.

#include "CheckedArray.h"
#include "Records.h"
#include "Settings.h"

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
