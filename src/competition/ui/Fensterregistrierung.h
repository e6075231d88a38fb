#pragma once
// The windows of the competition administration, made known to the window
// hub; the program start calls this once.

class Fensterhub;

void CompetitionFensterRegistrieren(Fensterhub& hub);
