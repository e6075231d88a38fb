#pragma once
// The game end: results, displays and printers of a match whose last round
// ended, its lanes released and signed off. The lanes' own cycle up to here
// lives in match/Bahnzyklus.h.

#include "core/Records.h"

void SpielBeenden(TWettkampfDaten& m);
