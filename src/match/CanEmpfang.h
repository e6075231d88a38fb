#pragma once
// The receive side of the bus: one frame per tick of the receive timer,
// mapped to its lane, logged under the service filters and dispatched on its
// message kind to the lane record and the game engine.

#include "CanSenden.h"
#include "Records.h"

extern TCanNachricht CanEmpfangspuffer;
// A throw of a started match was taken and waits for the end-of-lane check:
// nothing more is read until that check has run.
extern u8 WurfGesehen;

// Lane n (1..16) of a lane identifier 0x200 + 8n; 0 for any other identifier.
int BahnVonCanId(u32 id);

void CanNachrichtLesen();
// Dispatches one frame of lane n (the receive step after reading and logging).
void CanNachrichtVerarbeiten(int bahn, const TCanNachricht& n);

void CanEmpfangZuruecksetzen();
