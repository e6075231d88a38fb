#pragma once
// The player operations of the match set-up window on the two line-ups
// (slots 1..8 home, 9..16 guest): cut, copy, paste, delete, paste and clear
// one slot's content, undo, and dropping a player from a slot or from the
// player database. Each works on the match record it is given and reports
// the slots it changed; the window only shows those again.
//
// Rules shared by all of them:
// - an operation that would move, overwrite or clear a started player
//   (Gestartet) is refused as a whole, without a message;
// - a player written into slot k belongs to the side of k (IstHeim);
// - every change marks the match changed (Geaendert);
// - undo restores the whole side (both sides after a drop across) as it
//   was before the last operation.

#include "core/CheckedArray.h"
#include "core/Records.h"

#include <QList>

// The player clipboard and the undo copy; they outlive the window and the
// current match. The names below refer into it.
struct AufstellungZustand {
    TSpielerEintrag SpielerAblage;
    u8 AblageBelegt = 0;  // a player is on the clipboard

    // The undo copy: the slots of RueckgaengigSlots as they were before the
    // last operation, in the match RueckgaengigWettkampf.
    Array1<TSpielerEintrag, MaxSpieler> SpielerRueckgaengig;
    u16 RueckgaengigSlots = 0;     // bit n-1: slot n is held
    u16 RueckgaengigGeaendert = 0;  // the slots the operation changed
    TWettkampfDaten* RueckgaengigWettkampf = nullptr;
    u32 RueckgaengigAnlegeNr = 0;  // which match of that slot (closed and created anew: another)
    // Slot of the operation that undo reverts; 0 when there is nothing to undo.
    u8 SpielerRueckgaengigNr = 0;

    // Rows of the player database and line-up names can be dragged.
    u8 GridVerschieben = 1;

    void zuruecksetzen();
};
extern AufstellungZustand aufstellungZustand;

extern TSpielerEintrag& SpielerAblage;
extern u8& AblageBelegt;
extern Array1<TSpielerEintrag, MaxSpieler>& SpielerRueckgaengig;
extern u8& SpielerRueckgaengigNr;
extern u8& GridVerschieben;

struct AufstellungErgebnis {
    bool ausgefuehrt = false;
    u16 maske = 0;  // bit n-1: slot n changed and is to be shown again

    bool geaendert(int n) const { return n >= 1 && n <= MaxSpieler && (maske & (1u << (n - 1))); }
    QList<int> liste() const;  // the changed slots, ascending
};

// Slot n exists and its player has not started: a drag may start from it
// and a drop onto it is accepted.
bool SlotFrei(const TWettkampfDaten& w, int n);

// The clipboard takes slot n; the rest of its side moves up one place and
// the last slot of the side (8 or 16) is cleared.
AufstellungErgebnis AufstellungAusschneiden(TWettkampfDaten& w, int n);
// The clipboard takes slot n; nothing changes in the line-up, and the undo
// of an earlier operation is no longer offered.
AufstellungErgebnis AufstellungKopieren(TWettkampfDaten& w, int n);
// Slots n..last-1 move down one place (the last player of the side drops
// out) and slot n takes the clipboard. Refused with an empty clipboard.
AufstellungErgebnis AufstellungEinfuegen(TWettkampfDaten& w, int n);
// Like cut, without touching the clipboard.
AufstellungErgebnis AufstellungLoeschen(TWettkampfDaten& w, int n);
// Slot n takes the clipboard; refused with an empty clipboard.
AufstellungErgebnis InhaltEinfuegen(TWettkampfDaten& w, int n);
// Slot n is cleared; its group stays.
AufstellungErgebnis InhaltLoeschen(TWettkampfDaten& w, int n);
// Restores the side(s) of the last operation. Refused when nothing is to be
// undone, when w is not the match of that operation, or when a slot it
// changed holds a started player now; started players elsewhere stay. A
// match created in the slot of that operation's match, after it was closed,
// is another match: the undo is dropped.
AufstellungErgebnis AufstellungRueckgaengig(TWettkampfDaten& w);
// Whether there is an undo for w (the menu item).
bool RueckgaengigFuer(const TWettkampfDaten& w);

// Drop of the name of slot `quelle` onto slot `ziel`: the clipboard takes
// the player, his side moves up behind him, the side of `ziel` moves down
// from `ziel` (its last player drops out) and `ziel` takes him. Within one
// side only the slots between the two move.
AufstellungErgebnis SpielerAblegen(TWettkampfDaten& w, int quelle, int ziel);
// Drop of a player database row (read into a record): the side of `ziel`
// moves down from `ziel` and `ziel` takes the row with its group.
AufstellungErgebnis ZeileAblegen(TWettkampfDaten& w, const TSpielerEintrag& zeile, int ziel);

// Cut or copy of a database row: the clipboard takes the row.
void SpielerInAblage(const TSpielerEintrag& zeile);
