#pragma once
// A six-a-side points match played on the simulated alley, with one
// substitution a side, and filled in as the operator fills in the report:
// teams, class, officials, captains, passes, remarks. Shared by the report
// pictures and the report benchmark.

#include "e2e/Spielaufbau.h"

// The ended match, or nullptr (with the reason in *fehler) when it did not end.
TWettkampfDaten* BerichtsspielSpielen(Anlage& anlage, std::string* fehler);
