#include "competition/Wettbewerb.h"

#include "competition/Spielerdatenbank.h"
#include "competition/Startfolge.h"
#include "core/Fenster.h"

std::function<void()> GridUebernahme;

void Wettbewerb::spielerGridUebernehmen()
{
    if (GridUebernahme) GridUebernahme();
}

bool Wettbewerb::spielerdatenbankSpeichern() { return SpielerdatenbankSpeichern(); }

void Wettbewerb::speichernDialog() { fenster().dialog(Dialog::Speichern); }

bool Wettbewerb::startfolgeLaden(int n, int zeilen) { return StartfolgeLaden(n, zeilen); }
