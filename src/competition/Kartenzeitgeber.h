#pragma once
// The card timers: the card poll (1.5 s), the player-card re-read of the
// match window (500 ms) and its wait time-out (20 s).
//
// The poll acts once per card inserted: with matches open it asks whether
// mouse and keyboard are to be locked (only while the lane overview or the
// result table is the active window), without a match it loads one from
// the team card. The re-read takes a player card into the focused player
// line of the match window, once while the card stays in; a card taken over
// restarts the time-out. A card of another kind is told once while it stays
// in, and so is a player card whose prompt the operator cancelled.

#include "core/Records.h"
#include "core/Zeitgeber.h"

#include <functional>

Zeitgeber& Timer5();
Zeitgeber& Timer7();
Zeitgeber& Timer71();
void Timer5Go();
void Timer7Go();
void Timer71Go();

struct KartenzeitgeberZustand {
    // A player card is awaited for the focused line of the match window.
    u8 SpielerkarteWartet = 0;
    // The poll acts on the next card (the card was out at the last tick).
    bool bereit = true;
    // The re-read's prompt is showing.
    bool promptOffen = false;

    // Also switches the three timers off.
    void zuruecksetzen();
};
extern KartenzeitgeberZustand kartenzeitgeberZustand;
extern u8& SpielerkarteWartet;

// The program start, once the reader was opened: the poll runs by
// KartenTimerAktiv. The end switches all three off.
void KartenzeitgeberStarten();
void KartenzeitgeberBeenden();
// The poll on again after a card window, or after the reader was opened
// anew: only while KartenTimerAktiv.
void KartenabfrageFortsetzen();

// The match window's wait for a player card (a name clicked with a card in
// the reader): the re-read runs and the time-out starts anew.
void SpielerkarteAbwarten();
// Ends that wait: both timers off, no card awaited.
void SpielerkarteNichtAbwarten();

// The match window's share of SpielerkarteEinlesen: the card in Kartenpuffer
// into the focused player line; true when it was taken. The window installs
// it while it exists.
void setSpielerkarteEinlesen(std::function<bool()> einlesen);
// SpielerkarteEinlesen: the window's part, and after a card was taken it is
// marked taken, the time-out starts anew and no card is awaited. False
// without a match window.
bool SpielerkarteEinlesen();
