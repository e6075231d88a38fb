#pragma once
// The timers of the match engine that the engine switches on itself; the
// timer module gives them their jobs and intervals.

class Zeitgeber;

Zeitgeber& Timer1();          // status-bar clock, on the minute
Zeitgeber& Timer2();          // end-of-lane check, 50 ms
Zeitgeber& Timer3();          // CAN receive pump, 50 ms
Zeitgeber& Timer9();          // lane start sequence, 1 s
Zeitgeber& TimerSpielEnde();  // match-end countdown, 1 s
Zeitgeber& TimerBahnEnde();   // lane sign-off countdown, 1 s
Zeitgeber& TimerFocus();      // focus return after the result board opened, 1 s
