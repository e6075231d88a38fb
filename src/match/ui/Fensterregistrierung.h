#pragma once
// The dialogs of the match operation, made known to the window hub; the
// program start calls this once.

class Fensterhub;

void MatchFensterRegistrieren(Fensterhub& hub);
