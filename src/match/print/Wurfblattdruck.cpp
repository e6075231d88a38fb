#include "match/print/Wurfblattdruck.h"

#include "core/Globals.h"
#include "match/print/Druckwarteschlange.h"
#include "match/print/Wurfblatt.h"
#include "platform/Druckerport.h"

void Wurfblattdruck::bahndruckBeginnen(int bahn) { BahndruckBeginnen(bahn); }
void Wurfblattdruck::druckspalteBestimmen(int bahn) { DruckspalteBestimmen(bahn); }
void Wurfblattdruck::bahndruckVorStart(int bahn) { BahndruckVorStart(bahn); }
void Wurfblattdruck::bahndruckNachStart(int bahn) { BahndruckNachStart(bahn); }
void Wurfblattdruck::bahndruckKopf(int bahn) { BahndruckKopf(bahn); }
void Wurfblattdruck::bahndruckSpielerKopf(int bahn) { BahndruckSpielerKopf(bahn); }
void Wurfblattdruck::bahndruckKopfStart(int bahn) { BahndruckKopfStart(bahn); }
void Wurfblattdruck::bahndruckVorschub(int bahn) { BahndruckVorschub(bahn); }
void Wurfblattdruck::bahndruckSpielerStart(int bahn) { BahndruckSpielerStart(bahn); }
void Wurfblattdruck::bahndruckWurf(int bahn, char holz, char marke) { BahndruckWurf(bahn, holz, marke); }
void Wurfblattdruck::bahndruckAbschnitt(int bahn, char holz, char marke) { BahndruckAbschnitt(bahn, holz, marke); }
void Wurfblattdruck::bahndruckVorWurf(int bahn) { BahndruckVorWurf(bahn); }
void Wurfblattdruck::bahndruckVorWertung(int bahn) { BahndruckVorWertung(bahn); }
void Wurfblattdruck::bahndruckWurfzeile(int bahn, int wurfNr, char holz) { BahndruckWurfzeile(bahn, wurfNr, holz); }
void Wurfblattdruck::bahndruckSummenzeile(int bahn, int wurfNr, char holz, char marke)
{
    BahndruckSummenzeile(bahn, wurfNr, holz, marke);
}
void Wurfblattdruck::bahndruckVorBahnende(int bahn) { BahndruckVorBahnende(bahn); }
void Wurfblattdruck::bahndruckBahnergebnis(int bahn) { BahndruckBahnergebnis(bahn); }
void Wurfblattdruck::bahndruckFusszeile(int bahn) { BahndruckFusszeile(bahn); }
void Wurfblattdruck::bahndruckSpielerergebnis(int bahn) { BahndruckSpielerergebnis(bahn); }
void Wurfblattdruck::bahndruckFusszeileKurz(int bahn) { BahndruckFusszeileKurz(bahn); }
void Wurfblattdruck::zentralDruckerFreigeben(int bahn) { ZentralDruckerFreigeben(bahn); }
void Wurfblattdruck::bahndruckBeenden(int bahn) { BahndruckBeenden(bahn); }
bool Wurfblattdruck::bahndruckerZuordnen(int bahn) { return BahndruckerZuordnen(bahn); }
bool Wurfblattdruck::bahndruckerZuordnenSpiel(int bahn) { return BahndruckerZuordnenSpiel(bahn); }
void Wurfblattdruck::druckerInitialisieren(int bahn) { BahnDruckerInitialisieren(bahn); }
void Wurfblattdruck::bahndruckAnstossen(int bahn) { BahndruckAnstossen(bahn); }
void Wurfblattdruck::druckerportInit() { DruckerportInitialisieren(); }
void Wurfblattdruck::druckwarteschlangeLeeren(int bahn) { DruckwarteschlangeLeeren(bahn); }

namespace {

DruckerGeraete GeraeteAusEinstellungen()
{
    DruckerGeraete g;
    for (int n = 1; n <= 4; ++n) {
        g.lpt[std::size_t(n - 1)] = Einst.DruckerGeraetLpt[n];
        g.com[std::size_t(n - 1)] = Einst.DruckerGeraetCom[n];
    }
    return g;
}

}  // namespace

void DruckerStarten()
{
    druckerport().setGeraete(GeraeteAusEinstellungen());
    if (!Einst.DrWurfblatt) return;
    DruckerportInitialisieren();
    for (int p = 1; p <= ZentralDruckerAnzahl; ++p) {
        DruckerBeschaeftigt[p] = 0;
        if (Einst.Drucker[p].Schnittstelle > 0) DruckerportKonfigurieren(p);
    }
}

void DruckerportInitialisieren()
{
    if (druckwarteschlangeZustand.DruckerportInit) return;
    bool port = false;
    for (int p = 1; p <= ZentralDruckerAnzahl; ++p) {
        const TZentralDrucker& d = Einst.Drucker[p];
        if (d.Schnittstelle == 0) continue;
        druckerport().InoutInit(d.DrTimer, 0);
        port = true;
    }
    if (port) druckwarteschlangeZustand.DruckerportInit = 1;
}

void DruckerBeenden()
{
    if (!druckwarteschlangeZustand.DruckerportInit) return;
    druckerport().InoutClear();
    druckwarteschlangeZustand.DruckerportInit = 0;
}
