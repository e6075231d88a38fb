#pragma once
// The own start-order plans of the throw presets with start-order mode 5.
// The operator gives each of the 16 players (1..8 home, 9..16 guest) the
// lanes he plays on, in order; the plan built from these sequences says for
// each lane row (lane - first lane + 1, at most six) and round (1..25) who
// plays there. "Startfolge.inf" in the data folder keeps one plan per preset:
//
//   [Coord_<n>]          n = line of the preset in "Wurfvorw.inf", from 0
//   6 lines              rows 1..6, 25 decimal numbers joined by ","
//
// Other lines of the file are kept as they are.

#include "core/CheckedArray.h"
#include "core/Records.h"

#include <QString>
#include <QStringList>
#include <optional>

constexpr int BahnfolgeLaenge = 4;  // lanes a player can be given
using TBahnfolge = Array1<Array1<u8, BahnfolgeLaenge>, MaxSpieler>;

// The editor's state; it outlives the editor for the whole run. The names
// below refer into it.
struct StartfolgeZustand {
    TBahnfolge Bahnfolge{};      // per player his lanes in order, 0 none
    u8 BahnfolgeAnzahl = 0;      // lanes clicked for the chosen player (0..3)
    u8 StartfolgeSpieler = 1;    // the chosen player 1..16
    u8 StartfolgeErsteBahn = 0;  // lane range of the plan being edited;
    u8 StartfolgeLetzteBahn = 0; // 0 when the range text named no lane
    // The preset (line from 0) and lane choice the next editor opens on in
    // place of the current match's (the options dialog edits presets while
    // no match is open); -1 none. The editor's factory takes it once.
    int VorgabeVorwahl = -1;
    QString VorgabeBahnText;

    void zuruecksetzen() { *this = StartfolgeZustand{}; }
};
extern StartfolgeZustand startfolgeZustand;

extern TBahnfolge& Bahnfolge;
extern u8& BahnfolgeAnzahl;
extern u8& StartfolgeSpieler;
extern u8& StartfolgeErsteBahn;
extern u8& StartfolgeLetzteBahn;

// "Heim 1".."Heim 8", "Gast 1".."Gast 8".
QString StartfolgeSpielerName(int spieler);

// Sets the lane range from a lane choice such as "Bahn 1 bis 4".
void StartfolgeBereichSetzen(const QString& bahnText);
// The last lane a sequence may use: StartfolgeLetzteBahn, but no more than
// the six rows of a plan; below StartfolgeErsteBahn when there is none.
int StartfolgeHoechsteBahn();

// The player's non-zero lanes, two digits each, joined by "-" ("01-02").
QString BahnfolgeText(int spieler);
// Reads up to four lanes from a text split at "-" (no number reads as 0,
// missing entries are 0) into the player's sequence. A lane outside the lane
// range is refused: the sequence stays as it was and the message for the
// operator comes back.
std::optional<QString> BahnfolgeLesen(int spieler, const QString& text);
// A click on the picture of that lane: the next entry of the chosen player's
// sequence; after the fourth the count starts again at the first. A lane
// outside the range is ignored (false).
bool BahnKlicken(int bahn);
void BahnfolgeLoeschen(int spieler);
void AlleBahnfolgenLoeschen();

struct StartplanBau {
    TStartplan plan{};
    // What had no room in the plan's 25 rounds, one line for the operator
    // each; these lanes are left out of the plan.
    QStringList ausgelassen;
};
// The plan from Bahnfolge: players 1, 9, 2, 10, ... in turn; each starts in
// the first round (1..24) that is free in the row of his first lane and
// plays his lanes in the following rounds.
StartplanBau StartplanBauen();

// "Startfolge.inf" in the data folder.
QString StartfolgeDatei();

// Builds the plan and writes it as section n. False when the file cannot be
// read or written; the operator gets the message (also for lanes that had no
// room in the plan, which is then saved without them).
bool StartfolgeSpeichern(int n);

// Reads rows 1..zeilen of section n into Startfolge of the match; the other
// rows stay. False, with the match unchanged, when the file or the section
// is missing.
bool StartfolgeLaden(TWettkampfDaten& w, int n, int zeilen);
// The same for the current match.
bool StartfolgeLaden(int n, int zeilen);
