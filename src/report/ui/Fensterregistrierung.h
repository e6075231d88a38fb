#pragma once
// The windows of the match report, made known to the window hub; the
// program start calls this once.

class Fensterhub;

void ReportFensterRegistrieren(Fensterhub& hub);
