#include "match/flow/Spielbahnen.h"

#include "core/Globals.h"
#include "match/print/Druckdienste.h"

#include <algorithm>

Bahnbereich BahnenVon(const TWettkampfDaten& w)
{
    return {std::max<int>(w.ErsteSpielbahn, 1), std::min<int>(w.LetzteSpielbahn, MaxBahnen)};
}

TWettkampfDaten* WettkampfDerBahn(int bahn) { return BahnDaten.contains(bahn) ? BahnDaten[bahn].Wettk : nullptr; }

bool SpielLaeuft(const TWettkampfDaten* w) { return w && w->Gestartet && !w->Beendet; }

int PartnerBahn(const TWettkampfDaten& w, int bahn)
{
    return ((bahn - w.ErsteSpielbahn) & 1) == 0 ? bahn + 1 : bahn - 1;
}

int DruckerPaarBahn(int bahn) { return (bahn % 2) ? bahn + 1 : bahn - 1; }

bool WurfblattDruckt(const TWettkampfDaten& w, int bahn) { return w.DrWurfblatt && drucker().wurfblattDrucker(bahn); }
