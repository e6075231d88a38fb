#include "match/dienste/Netzdienste.h"

namespace {

class KeinNetz final : public NetzDienste {
public:
    void internetUpdate(TWettkampfDaten&) override {}
    void uploadTimer(bool, int) override {}
};

KeinNetz g_kein;
NetzDienste* g_netz = &g_kein;

}  // namespace

NetzZustand netzZustand;
u8& AktJavaUpdate = netzZustand.AktJavaUpdate;
i32& AktUpdateIntervall = netzZustand.AktUpdateIntervall;

void setNetzDienste(NetzDienste* n) { g_netz = n ? n : &g_kein; }
NetzDienste& netz() { return *g_netz; }

void LiveErgebnisHochladen(TWettkampfDaten& w, i32 intervall)
{
    AktJavaUpdate = w.JavaUpdate;
    AktUpdateIntervall = intervall;
    g_netz->internetUpdate(w);
}
