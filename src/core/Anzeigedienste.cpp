#include "core/Anzeigedienste.h"

#include "core/Globals.h"

namespace {

class KeineAnzeigen final : public AnzeigeDienste {
public:
    void mannschaftsanzeigeLoeschen(int, int) override {}
    void mannschaftsanzeigeKennzeichnen(int, int) override {}
    void mannschaftsanzeigeProbe(int) override {}
    void mannschaftsergebnisAnzeigen(int) override {}
    void namenanzeigeLoeschen(int) override {}
    void namenanzeigeAktualisieren(int) override {}
    void namenanzWerbungLaden(TWettkampfDaten&) override {}
    void namenanzWerbungStarten(TWettkampfDaten&) override {}
    void grossanzWerbungLaden(TWettkampfDaten&) override {}
    void monitorKonfigurationExportieren(TWettkampfDaten&) override {}
    void monitorMannschaftExportieren(TWettkampfDaten&) override {}
    void monitorSpielerExportieren(int) override {}
    void monitorStatusExportieren(TWettkampfDaten&) override {}
    void monitorBeenden(int) override {}
    void mannschaftsanzeigenZuordnen(int, int) override {}
};

KeineAnzeigen g_keine;
AnzeigeDienste* g_anzeigen = &g_keine;

}  // namespace

Array1<TWettkampfDaten*, MaxBahnen> BahnWettkampf;
Array1<TWettkampfDaten*, MaxBahnen> MonitorWettkampf;
TWettkampfDaten* AnzeigeWettkampf = nullptr;
u8& MannschanzBreite = Einst.MannschAnzeigeDig;
Array1<u8, MaxBahnen> MannschanzZuordnung;
Array1<TWettkampfDaten*, MaxBahnen> MannschanzWettkampf;

void setAnzeigeDienste(AnzeigeDienste* a) { g_anzeigen = a ? a : &g_keine; }
AnzeigeDienste& anzeigen() { return *g_anzeigen; }

void AnzeigezustandZuruecksetzen()
{
    BahnWettkampf.fill(nullptr);
    MonitorWettkampf.fill(nullptr);
    AnzeigeWettkampf = nullptr;
    MannschanzZuordnung.fill(0);
    MannschanzWettkampf.fill(nullptr);
}
