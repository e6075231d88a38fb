#include "match/Wettbewerbdienste.h"

namespace {

class KeinWettbewerb final : public WettbewerbDienste {
public:
    void spielerGridUebernehmen() override {}
    void spielerdatenbankSpeichern() override {}
    void speichernDialog() override {}
    bool startfolgeLaden(int, int) override { return false; }
};

KeinWettbewerb g_kein;
WettbewerbDienste* g_wettbewerb = &g_kein;

}  // namespace

WettbewerbZustand wettbewerbZustand;
u8& DatenbankGeaendert = wettbewerbZustand.DatenbankGeaendert;

void setWettbewerbDienste(WettbewerbDienste* w) { g_wettbewerb = w ? w : &g_kein; }
WettbewerbDienste& wettbewerb() { return *g_wettbewerb; }
