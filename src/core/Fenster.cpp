#include "core/Fenster.h"

namespace {

class KeineFenster final : public FensterDienste {
public:
    void oeffnen(MdiFenster) override {}
    bool offen(MdiFenster) const override { return false; }
    void schliessen(MdiFenster) override {}
    void aktualisieren(MdiFenster) override {}
    void spielerAktualisieren(MdiFenster, int) override {}
    bool erzeugen(KonfigFenster) override { return false; }
    void freigeben(KonfigFenster) override {}
    bool vorhanden(KonfigFenster) const override { return false; }
    void anzeigefensterOeffnen() override {}
    void anzeigefensterSchliessen() override {}
    bool anzeigefensterOffen() const override { return false; }
    void anzeigefensterAufbauen() override {}
    void anzeigefensterSpielerAktualisieren(int) override {}
    bool dialog(Dialog, int) override { return false; }
    void statusText(int, const QString&) override {}
    void hauptmenueAktualisieren() override {}
};

KeineFenster g_keine;
FensterDienste* g_fenster = &g_keine;

}  // namespace

void setFensterDienste(FensterDienste* f) { g_fenster = f ? f : &g_keine; }
FensterDienste& fenster() { return *g_fenster; }
