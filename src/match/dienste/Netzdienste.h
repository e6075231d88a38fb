#pragma once
// The live-result upload of the network module as the engine reaches it.

#include "core/Eingesetzt.h"
#include "core/Records.h"

class NetzDienste {
public:
    virtual ~NetzDienste() = default;
    // Publishes the match's live results (in the form AktJavaUpdate and
    // AktUpdateIntervall ask for).
    virtual void internetUpdate(TWettkampfDaten& w) = 0;
    // The upload timer of the network module.
    virtual void uploadTimer(bool ein, int intervallMs) = 0;
};

void setNetzDienste(NetzDienste* n);
NetzDienste& netz();
using NetzDiensteEinsetzen = Eingesetzt<NetzDienste, setNetzDienste, netz>;

// The upload settings in use; the names below refer into it.
struct NetzZustand {
    u8 AktJavaUpdate = 0;
    i32 AktUpdateIntervall = 0;

    void zuruecksetzen() { *this = NetzZustand{}; }
};
extern NetzZustand netzZustand;

extern u8& AktJavaUpdate;
extern i32& AktUpdateIntervall;

// One live-result upload of the match, with its script option and the
// reload interval (minutes; 0 at the game end).
void LiveErgebnisHochladen(TWettkampfDaten& w, i32 intervall);
