#pragma once
// The match-level start side of the flow: starting a match, continuing it
// after a stop or a round change that waited, stopping it. The lanes' own
// cycle lives in match/Bahnzyklus.h.

#include "core/Records.h"

// Resets the lane cycle with the round change (for tests and program start).
void SpielablaufZuruecksetzen();

// Starts the match, or continues it after a stop or the operator's go-ahead.
// A match that has ended or has no start plan is refused with a message.
void SpielStarten(TWettkampfDaten& m);
void SpielStoppen(TWettkampfDaten& m);

// One counter of a game that a lane handed over (message kind 166).
void ZaehlerSetzen(int spielerNr, int bahn, u8 code, u8 hoch, u8 tief);
