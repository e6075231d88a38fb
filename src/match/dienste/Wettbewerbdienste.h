#pragma once
// What the competition administration (match set-up window, player
// database, saved matches, start-order file) does for the match logic. Its
// code installs the implementation; until then nothing is saved or read.

#include "core/Eingesetzt.h"
#include "core/Records.h"

class WettbewerbDienste {
public:
    virtual ~WettbewerbDienste() = default;
    // Takes over a pending edit of the match window's player grid.
    virtual void spielerGridUebernehmen() = 0;
    // Saves the player database; false when the save failed (the operator
    // was told, the database keeps its changed mark).
    virtual bool spielerdatenbankSpeichern() = 0;
    // The save dialog for the current match, modal; saving clears Geaendert.
    virtual void speichernDialog() = 0;
    // Reads the own start plan n for 2, 4 or 6 lanes into Startfolge of the
    // current match; false when it is missing.
    virtual bool startfolgeLaden(int n, int zeilen) = 0;
};

void setWettbewerbDienste(WettbewerbDienste* w);
WettbewerbDienste& wettbewerb();
using WettbewerbDiensteEinsetzen = Eingesetzt<WettbewerbDienste, setWettbewerbDienste, wettbewerb>;

// The competition services' state; the names below refer into it.
struct WettbewerbZustand {
    // The player database was changed and not saved.
    u8 DatenbankGeaendert = 0;

    void zuruecksetzen() { *this = WettbewerbZustand{}; }
};
extern WettbewerbZustand wettbewerbZustand;

extern u8& DatenbankGeaendert;
