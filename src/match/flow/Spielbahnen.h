#pragma once
// The lanes of a match and the lane facts that the engine, the receive side
// and the timers share.

#include "core/Records.h"

// Lanes erste..letzte; empty when letzte < erste. `for (int k : bereich)`
// visits them in order.
struct Bahnbereich {
    int erste = 1;
    int letzte = 0;

    struct Iterator {
        int k;
        int operator*() const { return k; }
        Iterator& operator++()
        {
            ++k;
            return *this;
        }
        bool operator!=(const Iterator& o) const { return k != o.k; }
    };
    Iterator begin() const { return {erste}; }
    Iterator end() const { return {letzte >= erste ? letzte + 1 : erste}; }
};

// ErsteSpielbahn..LetzteSpielbahn within the lanes that exist (1..MaxBahnen).
Bahnbereich BahnenVon(const TWettkampfDaten& w);

// The match bound to the lane; null for none or a lane outside 1..MaxBahnen.
TWettkampfDaten* WettkampfDerBahn(int bahn);

// Bit L-1 of a lane mask.
constexpr u16 BahnBit(int bahn) { return u16(1u << (bahn - 1)); }

// Started and not ended; false for none.
bool SpielLaeuft(const TWettkampfDaten* w);

// Partner lane of the duel, counted from the match's first lane: L + 1 when
// L - ErsteSpielbahn is even, else L - 1.
int PartnerBahn(const TWettkampfDaten& w, int bahn);
// The lane that shares a throw-sheet printer with lane L, by absolute
// number: an odd lane with the next one, an even lane with the one before.
int DruckerPaarBahn(int bahn);

// The match prints throw sheets and the lane's printer is on.
bool WurfblattDruckt(const TWettkampfDaten& w, int bahn);
