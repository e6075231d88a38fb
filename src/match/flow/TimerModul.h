#pragma once
// The periodic jobs of the match engine on their timers: the status-bar
// clock, the end-of-lane check, the receive pump, the send pump, the lane
// start sequence and the countdowns of the match end and the lane sign-off.
// Each job is a plain function; the timers call them and tests call them
// directly.

#include "core/CheckedArray.h"
#include "core/Records.h"

// The flags of the periodic jobs; the names below refer into it.
struct TimerZustand {
    u8 BahnendeTimerAktiv = 0;
    u8 CanEmpfangTimerAktiv = 0;
    u8 EingabeGesperrt = 0;
    // Per lane: the match whose operator was told that no printer is free for
    // the lane (null once a printer was found).
    Array1<const TWettkampfDaten*, MaxBahnen> KeinDruckerGemeldet{};

    void zuruecksetzen() { *this = TimerZustand{}; }
};
extern TimerZustand timerZustand;

extern u8& BahnendeTimerAktiv;
extern u8& CanEmpfangTimerAktiv;
extern u8& EingabeGesperrt;

// Gives the timers their jobs and intervals, greets the lanes and the boards
// and starts the end-of-lane check and the receive pump.
void TimerModulStarten();
// Switches every timer off.
void TimerModulBeenden();

void Timer1Go();
void Timer2Go();
void Timer3Go();
void Timer9Go();
void TimerSpielEndeGo();
void TimerBahnEndeGo();
void TimerFocusGo();
