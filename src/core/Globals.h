#pragma once
// The global state of the program: the six match slots, the sixteen lanes,
// the settings and the few variables that name the current match and player.
// Everything runs on the one UI thread; there are no private copies.

#include "core/CheckedArray.h"
#include "core/Records.h"
#include "core/Settings.h"

#include <QString>
#include <QStringList>
#include <array>
#include <atomic>

// The pair table of the ranking sort.
struct TPaar {
    qint64 Schluessel = 0;
    i32 Wert = 0;
};
constexpr int MaxPaare = 16;

// The global state in one place; the names below refer into it.
struct GlobalsZustand {
    Array1<TWettkampfDaten, MaxWettkaempfe> Wettkaempfe;
    Array1<u8, MaxWettkaempfe> WettkampfBelegt{};
    u8 WettkampfAnzahl = 0;
    u8 AktWettkampfNr = 0;                // 1..6, 0 none
    TWettkampfDaten* AktWettkampf = nullptr;  // Wettkaempfe[AktWettkampfNr] or null
    TSpielerEintrag* AktSpieler = nullptr;
    i32 AktSpielerNr = 0;                 // 1..16 a line-up slot, 0 a match field, -1 the player grid
    Array1<TBahnDaten, MaxBahnen> BahnDaten;
    u8 BahnAnzahl = 4;                    // lanes of the alley: setting Bahnen, default 4
    u8 OffeneFenster = 0;                 // bits of OffenesFenster
    QString Spielordner;
    u8 WettkampfGeladen = 0;              // the last load filled a new match

    TEinstellungen Einst;

    // Program-wide display switches.
    u8 AnzeigeBoardEin = 0;
    u8 MannschNamenAnzeigen = 0;
    u8 MannschaftsanzeigeAn = 0;
    u8 NamenanzeigeAn = 0;

    // Program-wide state of the shell, the devices and the windows.
    QString Versionstext;               // set once at the start; a reset keeps it
    u8 AktivesFenster = 0;              // kind (OffenesFenster) of the active child window, 0 none
    u8 TouchEingabe = 0;                // a tap on an edit opens the on-screen keyboard
    u8 KartenleserAktiv = 0;            // a chip-card reader is open
    u8 KartenTimerAktiv = 0;            // the card poll may run
    QString KartenStatusText;           // shown on the start-up window
    u8 HinweisStatusleisteAus = 0;      // the network transfers use status panel 0
    i32 NetzBeschaeftigt = 0;           // messages to monitor clients not yet ended (queued or sending)
    i32 AblageBeschaeftigt = 0;         // writes and copies into client folders not yet ended
    // What the position dialog of the free form fields edits: the form's
    // section, the field's name (the new name after OK) and number.
    QString PositionSektion;
    QString PositionFeldName;
    i32 PositionFeldNr = 0;
    // Lane printers behind the lane controllers: result of each lane's last
    // printer frame (1 = sent) and the lanes whose printer output waits.
    Array1<i32, MaxBahnen> DruckerSendeErgebnis = [] {
        Array1<i32, MaxBahnen> a;
        a.fill(1);
        return a;
    }();
    u16 BahnDruckAusstehend = 0;

    // Throw presets, one a line of "Wurfvorw.inf", fields separated by ';'.
    QStringList WurfvorwListe;
    // Separator of the CSV import (one character) and exports (two: "; ",
    // ", " or a tab and a blank); each sets it before use.
    QString Trennzeichen;

    Array1<TPaar, MaxPaare> Paare{};

    // The start state, field by field (the records are too large for a
    // temporary); the settings are filled with their defaults.
    void zuruecksetzen();
};
extern GlobalsZustand globalsZustand;

extern Array1<TWettkampfDaten, MaxWettkaempfe>& Wettkaempfe;
extern Array1<u8, MaxWettkaempfe>& WettkampfBelegt;
extern u8& WettkampfAnzahl;
extern u8& AktWettkampfNr;
extern TWettkampfDaten*& AktWettkampf;
extern TSpielerEintrag*& AktSpieler;
extern i32& AktSpielerNr;
extern Array1<TBahnDaten, MaxBahnen>& BahnDaten;
extern u8& BahnAnzahl;
// The lane counts an alley may have.
inline constexpr std::array<int, 6> Bahnanzahlen = {4, 6, 8, 10, 12, 16};
// n when an alley may have n lanes, else 0 (the windows that list the lanes
// then show none).
int BekannteBahnanzahl(int n);
extern u8& OffeneFenster;
extern QString& Spielordner;
extern u8& WettkampfGeladen;
extern TEinstellungen& Einst;
extern u8& AnzeigeBoardEin;
extern u8& MannschNamenAnzeigen;
extern u8& MannschaftsanzeigeAn;
extern u8& NamenanzeigeAn;
extern QString& Versionstext;
extern QString &PositionSektion, &PositionFeldName;
extern i32& PositionFeldNr;
extern u8& AktivesFenster;
extern u8& TouchEingabe;
extern u8& KartenleserAktiv;
extern u8& KartenTimerAktiv;
extern QString& KartenStatusText;
// The venue of the reports: settings Spielort and Bahnanlage of "[Allgemein]".
extern QString& Spielort;
extern QString& Bahnanlage;
extern u8& HinweisStatusleisteAus;
extern i32& NetzBeschaeftigt;
extern i32& AblageBeschaeftigt;
// Reply lines received from FTP servers so far, by every session's worker;
// the program end waits for the uploads while it grows.
extern std::atomic<u32> FtpServerAntworten;
extern Array1<i32, MaxBahnen>& DruckerSendeErgebnis;
extern u16& BahnDruckAusstehend;
extern QStringList& WurfvorwListe;
extern QString& Trennzeichen;
extern Array1<TPaar, MaxPaare>& Paare;

// Lane records as at program start: BahnNr = n, every other field 0.
void BahnDatenStartwerte();

// Restores the whole start state, with the settings file's lists (for tests
// and the program start).
void GlobalsZuruecksetzen();
