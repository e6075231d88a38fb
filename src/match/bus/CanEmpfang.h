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
#include "match/bus/CanSenden.h"

#include <array>

// Frames a held lane can keep waiting: at least a whole part (every throw
// with its status word, and the part's end), as a lane sends it at once after
// an outage in which it held its messages.
constexpr int EmpfangWartePlaetze = 256;
static_assert(EmpfangWartePlaetze >= 2 * MaxWuerfe + 2);

// The receive side's state; the names below refer into it.
struct CanEmpfangZustand {
    TCanNachricht CanEmpfangspuffer{};
    // Bit n-1: a throw of lane n waits for the end-of-lane check, which
    // clears the whole word after each run.
    u16 WurfGesehen = 0;
    // Frames dropped because their lane's queue was full.
    u32 CanEmpfangVerworfen = 0;

    // A lane's frames read while the lane is held, oldest first.
    struct Warteschlange {
        std::array<TCanNachricht, EmpfangWartePlaetze> rahmen{};
        int erster = 0;
        int anzahl = 0;
        bool ueberlaufGemeldet = false;  // cleared when the queue has drained
    };
    Array1<Warteschlange, MaxBahnen> warten{};
    u16 wartend = 0;  // bit n-1: lane n has frames waiting
    // Lanes whose windows are refreshed once at the end of the tick.
    u16 auffrischen = 0;
    int lesetiefe = 0;  // nested reads (a dialog opened by a dispatch)

    void zuruecksetzen() { *this = CanEmpfangZustand{}; }
};
extern CanEmpfangZustand canEmpfangZustand;

extern TCanNachricht& CanEmpfangspuffer;
extern u16& WurfGesehen;
extern u32& CanEmpfangVerworfen;

// Lane n (1..16) of a lane identifier 0x200 + 8n; 0 for any other identifier.
int BahnVonCanId(u32 id);

void CanNachrichtLesen();
// Dispatches one frame of lane n (the receive step after reading and logging).
void CanNachrichtVerarbeiten(int bahn, const TCanNachricht& n);
// Frames read and waiting for their lane (all lanes, or lane 1..16).
int CanEmpfangWartend(int bahn = 0);

void CanEmpfangZuruecksetzen();
