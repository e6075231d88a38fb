#include "core/Anzeigedienste.h"

#include "core/Globals.h"

namespace {

class KeineAnzeigen final : public AnzeigeDienste {};

KeineAnzeigen g_keine;
AnzeigeDienste* g_anzeigen = &g_keine;

}  // namespace

AnzeigeZustand anzeigeZustand;
Array1<TWettkampfDaten*, MaxBahnen>& BahnWettkampf = anzeigeZustand.BahnWettkampf;
Array1<TWettkampfDaten*, MaxBahnen>& MonitorWettkampf = anzeigeZustand.MonitorWettkampf;
TWettkampfDaten*& AnzeigeWettkampf = anzeigeZustand.AnzeigeWettkampf;
Array1<u8, MaxBahnen>& MannschanzZuordnung = anzeigeZustand.MannschanzZuordnung;
Array1<TWettkampfDaten*, MaxBahnen>& MannschanzWettkampf = anzeigeZustand.MannschanzWettkampf;
u8& MannschanzBreite = Einst.MannschAnzeigeDig;

void setAnzeigeDienste(AnzeigeDienste* a) { g_anzeigen = a ? a : &g_keine; }
AnzeigeDienste& anzeigen() { return *g_anzeigen; }

void AnzeigezustandZuruecksetzen() { anzeigeZustand.zuruecksetzen(); }
