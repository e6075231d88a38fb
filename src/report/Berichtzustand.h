#pragma once
// State the report windows share for the whole run.

#include "core/Records.h"

struct BerichtZustand {
    // The layout whose print options or free-field positions are edited
    // (0..19 built-in layouts and report projects).
    u8 FormularIndex = 0;

    void zuruecksetzen() { *this = BerichtZustand{}; }
};
extern BerichtZustand berichtZustand;
