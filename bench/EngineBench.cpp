// Costs of the engine's hot paths: booking a throw, the timer jobs that run
// every 10 or 50 ms while nothing happens on the lanes, and a whole match
// against the lane simulator.

#include "core/Globals.h"
#include "e2e/Spielaufbau.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/TimerModul.h"
#include "match/engine/Wertung.h"
#include "support/Teilstart.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <memory>

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
    TeilLaeuft(m, 1, 1);
    TeilLaeuft(m, 2, 9);
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
    CanAnschliessen(&adapter);
    BahnAnzahl = 16;
    for (auto _ : state) {
        Timer2Go();
        Timer3Go();
        CanSendenTick();
    }
    ProgrammAbbauen();
}
BENCHMARK(BM_LeerlaufTakt);

const QDateTime Jetzt(QDate(2026, 3, 14), QTime(19, 30, 0));

// A points game on four lanes in mode 1: six players a side, start-order
// mode 3 (12 rounds), four rounds a player of 15 + 15 random throws.
TWettkampfDaten* SpielAnlegen(Anlage& anlage)
{
    ProgrammZuruecksetzen(Jetzt);
    if (!CanAnschliessen(&anlage.bus)) return nullptr;
    Spielart a;
    a.volle = a.abraeumen = 15;
    a.durchgaenge = 4;
    a.spielmodus = 3;
    a.spieleranzahl = 6;
    a.punktespiel = true;
    return WettkampfAufbauen(a);
}

void BM_GanzesSpiel(benchmark::State& state)
{
    long schritte = 0, wuerfe = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto anlage = std::make_unique<Anlage>(SimVorgaben(5, 40, 40, 2026));
        TWettkampfDaten* m = SpielAnlegen(*anlage);
        state.ResumeTiming();

        if (m) {
            SpielStarten(*m);
            anlage->bis([&] { return m->Beendet != 0; }, 100000);
        }

        state.PauseTiming();
        // Not timed: the match ended and booked what the lanes threw.
        const bool beendet = m && m->Beendet != 0;
        const bool gebucht = beendet && BuchungVergleichen(*m, anlage->sim, PlanVierBahnenSechsSpieler, true).empty();
        schritte = anlage->schritte;
        wuerfe = m ? m->Heim.Wuerfe.Zahl + m->Gast.Wuerfe.Zahl : 0;
        ProgrammAbbauen();
        anlage.reset();
        state.ResumeTiming();
        if (!gebucht) {
            state.SkipWithError(beendet ? "the bookings differ from the lanes' count" : "the match did not end");
            break;
        }
    }
    state.counters["Schritte"] = double(schritte);
    state.counters["Wuerfe"] = double(wuerfe);
}
BENCHMARK(BM_GanzesSpiel)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
