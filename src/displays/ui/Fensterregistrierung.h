#pragma once
// The windows of the displays, made known to the window hub; the program
// start calls this once.

class Fensterhub;

void DisplaysFensterRegistrieren(Fensterhub& hub);
