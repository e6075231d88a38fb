#pragma once
// The state of the main menu, its tool buttons and pop-ups as one function of
// the match slots, the current match, the lane masks, the active child window
// and the settings. Nothing is remembered between two calls: the main window
// computes the state and applies all of it (HauptmenueAktualisieren).

#include "core/CheckedArray.h"
#include "core/Records.h"

#include <QString>
#include <optional>

// Everything the menu state is computed from.
struct MenueEingabe {
    int wettkampfAnzahl = 0;              // open matches
    Array1<u8, MaxWettkaempfe> belegt;    // slot in use
    Array1<u8, MaxWettkaempfe> gestartet;  // match of the slot started
    Array1<QString, MaxWettkaempfe> heimmannschaft;
    Array1<int, MaxWettkaempfe> ersteBahn;  // the match's lanes, 0 while it has none
    Array1<int, MaxWettkaempfe> letzteBahn;
    int aktNr = 0;  // current slot 1..6, 0 none

    // The current match (meaningful with aktNr > 0).
    bool aktGestartet = false;
    bool aktBeendet = false;
    bool aktGestoppt = false;
    bool aktWechselAnstehend = false;
    bool aktMannschaftsanzeigeEin = false;
    bool aktNamenanzeigeEin = false;
    bool aktMonitoreEin = false;
    int aktErsteBahn = 0;  // the run copy of its lanes
    int aktLetzteBahn = 0;

    bool bahnBelegt = false;  // any of the 16 lanes has a state other than 0
    u16 anmeldeMaske = 0;     // lanes being registered
    u16 startMaske = 0;       // lanes being prepared for the start
    u8 aktivesFenster = 0;
    bool bahnsteuerungOffen = false;  // the lane control window is showing
    bool anzeigeBoardEin = false;
    bool kartenleserAktiv = false;

    // Settings.
    bool hintergrund = false;
    bool mannschanzOn = false;
    bool namenanzOn = false;
    bool grossAnzeige = false;
    bool monitorAnzeige = false;
    Array1<QString, 3> programmName;
};

struct Menuepunkt {
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    std::optional<QString> caption;  // unset: the design caption stays
};

struct Menuezustand {
    // Spiel
    Menuepunkt MNeu, MLaden, MKarteLaden, MUebernehmen, MImportieren;
    Menuepunkt MSpeichern, MKarteSpeichern, MExport;
    Menuepunkt MSpielStart, MAbbrechen, MSchliessen, MLinieEintrag;
    Array1<Menuepunkt, MaxWettkaempfe> MEintrag;
    // Anzeige
    Menuepunkt MSpielanzeige, MBahnen, MErgebnistafel;
    Menuepunkt MMannschaftsanzeige, MMannschanzEinschalten, MMannschanzUpdate;
    Menuepunkt MNamenanzeige, MNamenanzEinschalten, MNamenanzUpdate;
    Menuepunkt MGrossanzeige, MGrossanzEinschalten, MGrossanzUpdate;
    Menuepunkt MMonitoranzeige, MMonitorEinschalten, MMonitoranzUpdate;
    Menuepunkt MInternetUpdate;
    // The lane control command in the menu bar: its caption names what it does next.
    Menuepunkt MBahnsteuerung;
    // Spielbericht
    Menuepunkt MSpielbericht, MSpBearbeiten, MSpSchliessen;
    // Programm
    Array1<Menuepunkt, 3> MProgramm;
    Menuepunkt MProgrammTeiler, MProgrammoptionen;

    // The background panel; unset while a match is open (it stays as it is).
    std::optional<bool> groundSichtbar;

    // Tool buttons (enabled), copied from their menu items before the last
    // rule, which changes the menu items only.
    bool SBtnNeu = true, SBtnLaden = true, SBtnSpeichern = true, SBtnSpiel = true, SBtnBahnen = true;
    bool SBtnSpielbericht = true, SBtnErgebnistafel = true, SBtnKarteLaden = true, SBtnKarteSpeichern = true;
    bool SBtnSpielerkarte = true;
};

// Captions of the start command.
inline const QString StartKeinSpiel = QStringLiteral("Spiel Start     ");  // 5 blanks: no match open
inline const QString StartText = QStringLiteral("Spiel Start      ");      // 6 blanks
inline const QString StopText = QStringLiteral("Spiel Stop      ");        // 6 blanks
inline const QString FortsetzenText = QStringLiteral("Spiel fortsetzen");
inline const QString BahnsteuerungEinText = QStringLiteral("Ba&hnsteuerung Ein     ");  // 5 blanks
inline const QString BahnsteuerungAusText = QStringLiteral("Ba&hnsteuerung Aus    ");  // 4 blanks
inline const QString EinschaltenText = QStringLiteral("&Einschalten");
inline const QString AusschaltenText = QStringLiteral("&Ausschalten");

Menuezustand MenuezustandBerechnen(const MenueEingabe& e);

// A match as the window list names it: its home team and its lanes in the
// form of the lane choices, "KSV Musterstadt 1 (Bahn 1 bis 4)".
QString WettkampfEintragText(const QString& heimmannschaft, int ersteBahn, int letzteBahn);

// The input as the global state holds it now.
MenueEingabe MenueEingabeLesen();
