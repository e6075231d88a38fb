#include "match/lanes/Bahnfenster.h"

namespace {

class KeineBahnfenster final : public BahnfensterDienste {
public:
    void bahnsteuerungAktualisieren(int) override {}
    void bahnuebersichtAktualisieren(int) override {}
    void korrekturAktualisieren(int) override {}
    bool ergebnistafelAktiv() const override { return false; }
    bool spielberichtAktiv() const override { return false; }
};

KeineBahnfenster g_keine;
BahnfensterDienste* g_bahnfenster = &g_keine;

}  // namespace

void setBahnfensterDienste(BahnfensterDienste* b) { g_bahnfenster = b ? b : &g_keine; }
BahnfensterDienste& bahnfenster() { return *g_bahnfenster; }
