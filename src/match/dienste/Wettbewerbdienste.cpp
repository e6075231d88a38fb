#include "match/dienste/Wettbewerbdienste.h"

#include "core/Boxes.h"

namespace {

class KeinWettbewerb final : public WettbewerbDienste {
public:
    void spielerGridUebernehmen() override {}
    bool spielerdatenbankSpeichern() override { return true; }
    // No save dialog yet: the operator is told, the match keeps its changed mark.
    void speichernDialog() override { boxen().hinweis(QStringLiteral("Speichern ist noch nicht möglich !")); }
    bool startfolgeLaden(int, int) override { return false; }
};

KeinWettbewerb g_kein;
WettbewerbDienste* g_wettbewerb = &g_kein;

}  // namespace

WettbewerbZustand wettbewerbZustand;
u8& DatenbankGeaendert = wettbewerbZustand.DatenbankGeaendert;

void setWettbewerbDienste(WettbewerbDienste* w) { g_wettbewerb = w ? w : &g_kein; }
WettbewerbDienste& wettbewerb() { return *g_wettbewerb; }
