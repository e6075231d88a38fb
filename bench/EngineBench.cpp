// Costs of the engine's hot paths: booking a throw, the timer jobs that run
// every 10 or 50 ms while nothing happens on the lanes, and a whole match
// against the lane simulator.

#include "Anzeigedienste.h"
#include "Bahnsimulator.h"
#include "Boxes.h"
#include "CanEmpfang.h"
#include "CanKarte.h"
#include "CanSenden.h"
#include "Clock.h"
#include "FakeCanAdapter.h"
#include "Globals.h"
#include "Spielablauf.h"
#include "Spielende.h"
#include "TimerModul.h"
#include "Wertung.h"
#include "Wettkampfslots.h"
#include "Zeitgeber.h"
#include "Zeitgeberliste.h"

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

// The program and the lanes on one fake bus, in steps of 50 ms of program
// time, as the e2e tests run them: five ticks of the send pump, the receive
// pump and the end-of-lane check, every 20th step the one-second timers;
// then the frames cross the bus and the lanes advance one tick.
struct Anlage {
    FakeCanAdapter bus;
    Bahnsimulator sim;
    long schritte = 0;

    static Bahnsimulator::Vorgaben Vorgaben()
    {
        Bahnsimulator::Vorgaben v;
        v.bahnen = 4;
        v.pcEinheit = 2;
        v.wurfTakt = 5;
        v.startVerzoegerung = 40;
        v.seed = 2026;
        return v;
    }

    Anlage() : sim(Vorgaben()) {}

    void schritt()
    {
        for (int i = 0; i < 5; ++i)
            if (CanSendeTimer().enabled()) CanSendenTick();
        Timer3Go();
        Timer2Go();
        if (++schritte % 20 == 0) {
            if (Timer9().enabled()) Timer9Go();
            if (TimerSpielEnde().enabled()) TimerSpielEndeGo();
            if (TimerBahnEnde().enabled()) TimerBahnEndeGo();
        }
        for (const CanRohRahmen& r : bus.gesendet) sim.empfangen(r);
        bus.gesendet.clear();
        while (const std::optional<CanRohRahmen> r = sim.naechster()) bus.empfangen.append(*r);
        sim.tick();
    }
};

// A points game on four lanes in mode 1: six players a side, start-order
// mode 3 (12 rounds), four rounds a player of 15 + 15 random throws.
TWettkampfDaten& SpielAnlegen(Anlage& anlage)
{
    GlobalsZuruecksetzen();
    SpielablaufZuruecksetzen();
    CanSendenZuruecksetzen();
    CanEmpfangZuruecksetzen();
    AnzeigezustandZuruecksetzen();
    skriptBoxen() = SkriptBoxen{};
    Einst.PcEinheit = 2;
    Einst.Bahnsteuerung = 1;
    Einst.TimeoutBahnw = 2;
    Einst.SaPWand = true;
    setCanAdapter(&anlage.bus);
    Einst.CanBusKarte = 1;
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    WettkampfAnlegen();
    WettkampfVorgabenSetzen();
    TWettkampfDaten& m = *AktWettkampf;
    m.ErsteBahn = 1;
    m.LetzteBahn = 4;
    m.Volle = 15;
    m.Abraeumen = 15;
    m.Durchgaenge = 4;
    m.Wurfzeit = 12;
    m.Spielmodus = 3;
    m.Spieleranzahl = 6;
    m.Probe = 0;
    ProbewuerfeUebernehmen();
    m.Punktespiel = 1;
    StartfolgeZuordnen();
    return m;
}

void SpielAbbauen()
{
    TimerModulBeenden();
    for (Zeitgeber* t : {&TimerSpielEnde(), &TimerBahnEnde(), &Timer9()}) t->setEnabled(false);
    setCanAdapter(nullptr);
    CanSendenZuruecksetzen();
    CanEmpfangZuruecksetzen();
    SpielablaufZuruecksetzen();
    skriptBoxen() = SkriptBoxen{};
    GlobalsZuruecksetzen();
}

void BM_GanzesSpiel(benchmark::State& state)
{
    setUhr([] { return QDateTime(QDate(2026, 3, 14), QTime(19, 30, 0)); });
    long schritte = 0, wuerfe = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto anlage = std::make_unique<Anlage>();
        TWettkampfDaten& m = SpielAnlegen(*anlage);
        state.ResumeTiming();

        SpielStarten(m);
        while (!m.Beendet && anlage->schritte < 100000) anlage->schritt();

        state.PauseTiming();
        const bool beendet = m.Beendet != 0;
        schritte = anlage->schritte;
        wuerfe = m.Heim.Wuerfe.Zahl + m.Gast.Wuerfe.Zahl;
        SpielAbbauen();
        anlage.reset();
        state.ResumeTiming();
        if (!beendet) {
            state.SkipWithError("the match did not end");
            break;
        }
    }
    setUhr({});
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
