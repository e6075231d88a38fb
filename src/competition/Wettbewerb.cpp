#include "competition/Wettbewerb.h"

#include "competition/Startfolge.h"
#include "core/Boxes.h"

void Wettbewerb::speichernDialog() { boxen().hinweis(QStringLiteral("Speichern ist noch nicht möglich !")); }

bool Wettbewerb::startfolgeLaden(int n, int zeilen) { return StartfolgeLaden(n, zeilen); }
