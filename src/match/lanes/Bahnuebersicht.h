#pragma once
// The lane overview: four lane panels side by side from ErsteAnzeigebahn on,
// paged by lane pairs. What a panel shows, which paging buttons are there and
// what a click on a panel does; the window only applies the results.

#include "core/Records.h"

#include <QString>

#include <array>
#include <optional>

constexpr int UebersichtFelder = 4;
constexpr int BahnpanelHoeheLaufend = 580;
constexpr int BahnpanelHoeheBeendet = 30;  // only the title line

struct BahnuebersichtZustand {
    u8 ErsteAnzeigebahn = 1;  // the lane of the first panel
    u8 VorigesFenster = 0;    // AktivesFenster before the overview was shown

    void zuruecksetzen() { *this = BahnuebersichtZustand{}; }
};
extern BahnuebersichtZustand bahnuebersichtZustand;

extern u8& ErsteAnzeigebahn;

// --- Paging -----------------------------------------------------------------------
struct Blaettern {
    bool links = false;   // BtnLinks visible
    bool rechts = false;  // BtnRechts visible
    bool operator==(const Blaettern&) const = default;
};

// The paging buttons for the current page.
Blaettern BlaetternSichtbar();
// On show: the page clamped to the lanes of the alley.
Blaettern SeiteBegrenzen();
// One lane pair back or on; nullopt (nothing changes) while input is locked.
std::optional<Blaettern> SeiteLinks();
std::optional<Blaettern> SeiteRechts();

// The window kind bookkeeping on show and hide; hiding brings back the
// window that was active before.
Blaettern BahnuebersichtZeigen();
void BahnuebersichtVerborgen();

// --- One lane -----------------------------------------------------------------------
// Panel k (1..4) and its name panel.
struct Bahnpanel {
    bool sichtbar = false;
    int hoehe = 0;  // BahnpanelHoeheLaufend or BahnpanelHoeheBeendet
    bool operator==(const Bahnpanel&) const = default;
};

// The standing of the side of the player on a panel's lane.
struct Mannschaftsstand {
    QString mannschaft;  // "Heim" or "Gast"
    QString total;       // 5 characters
    QString plus;
    bool operator==(const Mannschaftsstand&) const = default;
};

struct Bahnfeld {
    QString name;
    QString titel;   // "Bahn n"
    QString status;  // "Stop", "Probe", "Start" or " "
    std::array<QString, 6> W;   // Volle 1-10, 11-20, 21-25, then Abräumen
    std::array<QString, 3> WS;  // column sums
    QString wurfZ, wurfS, fehlerS, volleS, abrS, totalS, verwS;
    bool punkteSichtbar = false;
    QString punkteS;
};

struct BahnfeldAnzeige {
    // Per panel (index k-1): the side's standing where the lane plays for n's match.
    std::array<std::optional<Mannschaftsstand>, UebersichtFelder> mannschaft;
    // Every panel's visibility and height; only while n is on the page.
    std::optional<std::array<Bahnpanel, UebersichtFelder>> panels;
    int feld = 0;  // 1..4: the panel that shows lane n
    std::optional<Bahnfeld> inhalt;
};

// Redraws lane n: its refresh mark is cleared and the panel contents returned.
BahnfeldAnzeige BahnfeldAnzeigen(int n);

// --- A click on panel k -----------------------------------------------------------
enum class Bahnklick { Nichts, Korrektur, Wiederherstellen };
struct BahnklickErgebnis {
    Bahnklick was = Bahnklick::Nichts;
    int bahn = 0;
};
// What a click on panel k (1..4) means.
BahnklickErgebnis BahnklickPruefen(int k);
// Carries it out: the correction panel on the lane, or the question
// "Bahn wieder herstellen ?" and on yes the lane back into play.
void BahnAngeklickt(int k);
// The lane of panel k (right click: the lane control window); 0 for none.
int PanelBahn(int k);
