#include "match/print/Druckdienste.h"

namespace {

class KeinDruck final : public DruckDienste {
public:
    void bahndruckBeginnen(int) override {}
    void druckspalteBestimmen(int) override {}
    void bahndruckVorStart(int) override {}
    void bahndruckNachStart(int) override {}
    void bahndruckKopf(int) override {}
    void bahndruckSpielerKopf(int) override {}
    void bahndruckKopfStart(int) override {}
    void bahndruckVorschub(int) override {}
    void bahndruckSpielerStart(int) override {}
    void bahndruckWurf(int, char, char) override {}
    void bahndruckAbschnitt(int, char, char) override {}
    void bahndruckVorWurf(int) override {}
    void bahndruckVorWertung(int) override {}
    void bahndruckWurfzeile(int, int, char) override {}
    void bahndruckSummenzeile(int, int, char, char) override {}
};

KeinDruck g_kein;
DruckDienste* g_druck = &g_kein;

}  // namespace

DruckZustand druckZustand;
Array1<u8, MaxBahnen>& WurfblattDrucker = druckZustand.WurfblattDrucker;
u16& BahndruckMaske = druckZustand.BahndruckMaske;
u16& DruckerpruefMaske = druckZustand.DruckerpruefMaske;
u16& DruckerAnfrageMaske = druckZustand.DruckerAnfrageMaske;
Array1<u8, MaxBahnen>& BahnDruckerStatus = druckZustand.BahnDruckerStatus;

void setDruckDienste(DruckDienste* d) { g_druck = d ? d : &g_kein; }
DruckDienste& drucker() { return *g_druck; }
