#include "competition/Wettbewerb.h"

#include "competition/Startfolge.h"
#include "core/Fenster.h"

void Wettbewerb::speichernDialog() { fenster().dialog(Dialog::Speichern); }

bool Wettbewerb::startfolgeLaden(int n, int zeilen) { return StartfolgeLaden(n, zeilen); }
