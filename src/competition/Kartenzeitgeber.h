#pragma once
// The card timers: the card poll (1.5 s), the player-card re-read of the
// match window (500 ms) and its wait time-out (20 s).

#include "core/Zeitgeber.h"

Zeitgeber& Timer5();
Zeitgeber& Timer7();
Zeitgeber& Timer71();
void Timer5Go();
void Timer7Go();
void Timer71Go();
