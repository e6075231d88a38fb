#pragma once
// The lane control window's decisions: what the window shows for a lane and
// which frames each of its controls sends to the lane controllers.

#include "core/Boxes.h"
#include "core/Records.h"
#include "match/bus/CanFrames.h"

#include <QList>
#include <QString>
#include <optional>

// What the window shows for one lane.
struct SteuerungAnzeige {
    int bahn = 0;
    // The eleven keypad panels and the display panel; BtnBahnEin always shows.
    bool tastenSichtbar = false;
    QString bahnEinText;
    bool bahnEinGedrueckt = false;
    bool volleGedrueckt = false;
    bool abrGedrueckt = false;
    bool stopGedrueckt = false;
    QString sportText;
    QString zeitText;
    QString uebertrittText;

    // Display panels. Unset: the panel keeps the text it has.
    QString verwarnung;  // PAnzeigeV
    QString holz;        // PAnzeigeHolz
    std::optional<QString> total;
    std::optional<QString> wurf;
    std::optional<QString> gesamt;
    bool probeSichtbar = false;

    u16 ledMaske = 0;  // bit k-1: LedKegel k visible

    // The game group, only when the lane belongs to a match; else it keeps
    // its state.
    bool hatSpiel = false;
    QString spielStartText;
    bool zeitKnoepfeSichtbar = false;
};

// The state of the window for lane 1..MaxBahnen (another lane gives the
// default state).
SteuerungAnzeige BahnsteuerungZustand(int bahn);

// The captions of the toggles: what the next press does.
QString ZeitBeschriftung(u8 zeitStatus);
QString UebertrittBeschriftung(u8 uebertrittStatus);
QString SpielStartBeschriftung(bool gestoppt);

// The controls that send frames.
enum class Steuerelement {
    Aktivierung,  // the window becomes active: status request to its lane
    Bahnwahl,     // a lane was chosen: status request when it is online
    WurfUngueltig,
    WurfFehler,
    Volle,
    Abraeumen,
    Stop,
    Sport,
    Zeit,
    Uebertritt,
    Verwarnung,
    Stellen,           // wert: pin mask, bit k-1 = pin k
    Total,             // wert: the number entered under "Total:"
    Wurf,              // "Wurf:", also for a lane that is offline
    Gesamt,            // "Gesamt:"
    Verwarnungswert,   // "Verwarnung:"
    ZeitStart,         // to every lane in play of the lane's match
    ZeitStop,
};

struct SteuerRahmen {
    int bahn = 0;
    CanDaten daten;
    bool operator==(const SteuerRahmen&) const = default;
};

// The frames of a control of the window showing `bahn`. Zeit and Uebertritt
// first advance the lane's ZeitStatus or UebertrittStatus (0 -> 1 -> 2 -> 0),
// also for a lane that is offline. A lane outside 1..BahnAnzahl gets nothing.
QList<SteuerRahmen> SteuerungBefehl(Steuerelement element, int bahn, int wert = 0);
// Queues the frames, each for its lane.
void SteuerRahmenSenden(const QList<SteuerRahmen>& rahmen);
// SteuerungBefehl, then its frames queued.
void SteuerungAusfuehren(Steuerelement element, int bahn, int wert = 0);

// The input box of a value panel (Total, Wurf, Gesamt, Verwarnungswert)
// with the panel's current text.
EingabeAnfrage WertAnfrage(Steuerelement element, const QString& text);

// BtnBahnEin: signs an online lane off, registers an offline one.
void BahnEinAus(int bahn);
// BtnDruckerEin: starts the lane printer when DrEinschalten is on.
void BahndruckerEinschalten(int bahn);

// Lane buttons shown for the lane count: 1..n for 4, 6, 8, 10, 12 or 16
// lanes, none for any other count.
int SichtbareBahnknoepfe(int bahnAnzahl);
// The lane a digit key selects: 1..8 when that lane exists, else 0.
int ZiffertasteBahn(int ziffer);
