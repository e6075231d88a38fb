#pragma once
// The receive side of the bus: every frame waiting at the adapter is read at
// each tick of the receive timer, mapped to its lane, logged under the
// service filters and dispatched on its message kind to the lane record and
// the game engine.
//
// A throw of a started match holds its lane until the end-of-lane check has
// run: the lane's later frames wait, in order, in a bounded queue of the lane
// and take effect at the next ticks; other lanes go on. A lane's frames beyond
// the queue are dropped and counted (one warning per overflow).

#include "core/Records.h"
#include "match/CanSenden.h"

extern TCanNachricht CanEmpfangspuffer;
// Bit n-1: a throw of lane n waits for the end-of-lane check, which clears
// the whole word after each run.
extern u16 WurfGesehen;

// Frames a held lane can keep waiting.
constexpr int EmpfangWartePlaetze = 32;
// Frames dropped because their lane's queue was full.
extern u32 CanEmpfangVerworfen;

// Lane n (1..16) of a lane identifier 0x200 + 8n; 0 for any other identifier.
int BahnVonCanId(u32 id);

void CanNachrichtLesen();
// Dispatches one frame of lane n (the receive step after reading and logging).
void CanNachrichtVerarbeiten(int bahn, const TCanNachricht& n);
// Frames read and waiting for their lane (all lanes, or lane 1..16).
int CanEmpfangWartend(int bahn = 0);

void CanEmpfangZuruecksetzen();
