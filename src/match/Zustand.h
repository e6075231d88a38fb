#pragma once
// The start state of every module in one call, for tests and for a fresh
// start: records and settings, display assignments, the lane start and round
// change, the receive and send queues, the timers, the scripted boxes and
// prompts, and the flags the modules keep beside them. The installed seams
// stay as they are (tests install them through scoped guards).

void ZustandZuruecksetzen();
