#pragma once
// The LED team boards: each serves a group of neighbouring lanes with two
// rows on MannschanzCanId, the home side on row 2b - 1 and the guest side
// on row 2b of board b: the side's throw count and total, its match points,
// "PROBE" during practice, or its letter. Without team boards (setting
// MannschanzOn off) the same totals go to the name boards of the lanes of
// that side, when name boards are on.
//
// The assignment is a pure function; the controller holds the points
// alternation and its timer and queues the frames on the board queue.

#include "core/CheckedArray.h"
#include "core/Records.h"
#include "core/Zeitgeber.h"

#include <QByteArray>
#include <initializer_list>

// Which board serves each lane of a match on lanes erste..letzte of an
// alley of `bahnen` lanes with `tafeln` boards; `zuschalten`: one more,
// free board for the match. Leaves `zuordnung` as it was when there are no
// boards or more boards than lanes, and never gives a board above `tafeln`.
void TafelnZuordnen(Array1<u8, MaxBahnen>& zuordnung, int erste, int letzte, int bahnen, int tafeln, bool zuschalten);

// The points text of a side, first three characters as the board shows
// them ("2.0", "10."): TotalMaP with one decimal.
QByteArray MannschaftspunkteText(float punkte);

constexpr int MannschanzWechselMs = 3000;

class Mannschaftsanzsteuerung {
public:
    Mannschaftsanzsteuerung();

    Zeitgeber TimerWechsel;  // 3,000 ms: the points alternation

    i32 MaPZaehler = 0;
    u8 MaPZustand = 0;

    // MannschanzZuordnung of the lanes erste..letzte (from the settings
    // and the current match's extra board).
    void MannschaftsanzeigenZuordnen(int erste, int letzte);
    void MannschaftsanzeigeLoeschen(int erste, int letzte);
    void MannschaftsanzeigeKennzeichnen(int erste, int letzte);
    void MannschaftsanzeigeProbe(int bahn);
    void MannschaftsergebnisAnzeigen(int bahn);
    // The boards of the lane's match blanked once, then the markers and
    // the results of the lanes given (or "PROBE" in practice).
    void MannschaftsanzeigeNeuAufbauen(std::initializer_list<int> bahnen);

    void wechselTakt();

    // A 239 frame with the brightness to the team boards and the name
    // boards, each when switched on.
    void HelligkeitSenden(u8 helligkeit);

    void zuruecksetzen();
};

Mannschaftsanzsteuerung& mannschaftsanzsteuerung();
