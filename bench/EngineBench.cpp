// Costs of the engine's hot paths: booking a throw, and the timer jobs that
// run every 10 or 50 ms while nothing happens on the lanes.

#include "CanEmpfang.h"
#include "CanKarte.h"
#include "CanSenden.h"
#include "FakeCanAdapter.h"
#include "Globals.h"
#include "Spielende.h"
#include "TimerModul.h"
#include "Wertung.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// A started points game on lanes 1 and 2, players 1 and 9, 50 + 50 throws.
void SpielAufbauen()
{
    GlobalsZuruecksetzen();
    TWettkampfDaten& m = Wettkaempfe[1];
    m.ErsteSpielbahn = 1;
    m.LetzteSpielbahn = 2;
    m.Volle = 50;
    m.Abraeumen = 50;
    m.Gestartet = 1;
    m.Punktespiel = 1;
    m.Spieleranzahl = 1;
    m.Durchgaenge = 1;
    for (int b : {1, 2}) {
        const int nr = b == 1 ? 1 : 9;
        TSpielerEintrag& p = m.Spieler[nr];
        p.IstHeim = nr == 1;
        p.Gestartet = 1;
        p.DurchgangNr = 1;
        p.AktDurchgang = &p.Durchgang[1];
        TBahnDaten& l = BahnDaten[b];
        l.Wettk = &m;
        l.BahnSpieler = &p;
        l.SpielerNr = u8(nr);
        l.BahnStatus = 2;
        l.BahnGestartet = 1;
        l.TeilLaeuft = 1;
        m.BahnImSpiel[b] = 1;
    }
}

void BM_WurfBuchen(benchmark::State& state)
{
    SpielAufbauen();
    TBahnDaten& l = BahnDaten[1];
    for (auto _ : state) {
        if (l.WurfNr >= 100) {
            state.PauseTiming();
            SpielAufbauen();
            state.ResumeTiming();
        }
        l.WurfHolz = 7;
        l.WurfBild = 0x407F;
        l.WurfFlags = 0;
        l.WurfOffen = 1;
        WurfAbschliessen(1);
    }
    GlobalsZuruecksetzen();
}
BENCHMARK(BM_WurfBuchen);

void BM_LeerlaufTakt(benchmark::State& state)
{
    GlobalsZuruecksetzen();
    FakeCanAdapter adapter;
    setCanAdapter(&adapter);
    Einst.CanBusKarte = 1;
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    BahnAnzahl = 16;
    for (auto _ : state) {
        Timer2Go();
        Timer3Go();
        CanSendenTick();
    }
    setCanAdapter(nullptr);
    GlobalsZuruecksetzen();
}
BENCHMARK(BM_LeerlaufTakt);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
