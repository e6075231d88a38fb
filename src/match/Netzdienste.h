#pragma once
// The live-result upload of the network module as the engine reaches it.

#include "Records.h"

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

extern u8 AktJavaUpdate;
extern i32 AktUpdateIntervall;
