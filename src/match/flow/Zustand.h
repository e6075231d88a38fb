#pragma once
// The start state of every module in one call, for tests and for a fresh
// start: each module's state struct (records and settings, display
// assignments, the lane cycle and round change, the receive and send queues,
// the adapter, the printers, the flags of the timers and the slots), the
// timers, and the scripted boxes and prompts. The installed seams stay as
// they are (tests install them through scoped guards).

void ZustandZuruecksetzen();
