// The receive pump under load: mixed frames at the rate of a full 125 kbit/s
// bus (960 a second) and of a flooded one (7,700 a second) go through the
// fake adapter and the real tick functions, 50 ms of bus time per iteration.

#include "core/Globals.h"
#include "e2e/Spielaufbau.h"
#include "match/bus/CanEmpfang.h"
#include "match/bus/CanSenden.h"
#include "match/flow/TimerModul.h"
#include "support/Teilstart.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <deque>

namespace {

constexpr int Bahnen = 16;
constexpr int TakteJeSpiel = 300;  // a lane throws 75 times, within its 100

// A started match on all 16 lanes, 50 + 50 throws a lane.
void SpielAufbauen(FakeCanAdapter& adapter)
{
    GlobalsZuruecksetzen();
    CanEmpfangZuruecksetzen();
    CanAnschliessen(&adapter);
    BahnAnzahl = Bahnen;
    TWettkampfDaten& m = Wettkaempfe[1];
    m.ErsteSpielbahn = 1;
    m.LetzteSpielbahn = Bahnen;
    m.Volle = m.Abraeumen = 50;
    m.Gestartet = 1;
    m.WettkampfNummer = 0x21;
    for (int b = 1; b <= Bahnen; ++b) TeilLaeuft(m, b, b);
}

CanRohRahmen Rahmen(u32 id, std::initializer_list<u8> bytes)
{
    CanRohRahmen r;
    r.id = id;
    for (u8 b : bytes) r.daten[r.laenge++] = b;
    return r;
}

// The frames of one tick: four lanes throw (one of them twice every fourth
// tick), a quarter are the lanes' status words, the rest frames of other
// stations (a second PC's frames to the lanes, board frames).
void TaktFuellen(FakeCanAdapter& adapter, long takt, int anzahl, std::deque<long> (&offen)[Bahnen + 1])
{
    const int abstand = std::max(anzahl / 4, 2);
    for (int i = 0; i < anzahl; ++i) {
        const bool wurf = i % abstand == 0 && i / abstand < 4;
        const bool doppelt = takt % 4 == 0 && i == 1;
        const int b = 1 + int((takt * 4 + i) % Bahnen);
        if (wurf || doppelt) {
            const int bahn = 1 + int((takt * 4 + (wurf ? i / abstand : 0)) % Bahnen);
            adapter.empfangen << Rahmen(0x200 + 8 * u32(bahn), {1, u8(1 + (takt + i) % 127), 0, 0, 0, 80});
            offen[bahn].push_back(takt);
        } else if (i % 4 == 1) {
            adapter.empfangen << Rahmen(0x200 + 8 * u32(b), {42, 0, 0});
        } else if (i % 4 == 2) {
            adapter.empfangen << Rahmen(0x308 + 1, {35, 0x31, 1, 2, 3});
        } else {
            adapter.empfangen << Rahmen(0x600 + 8 * u32(b) + 1, {35, 0x33, 0, 0, 9});
        }
    }
}

long CpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return long(t.tv_sec) * 1000000000L + t.tv_nsec;
}

void BM_Empfang(benchmark::State& state)
{
    const int jeSekunde = int(state.range(0));
    const int jeTakt = jeSekunde / 20;
    FakeCanAdapter adapter;
    SpielAufbauen(adapter);
    std::deque<long> offen[Bahnen + 1];
    int gebucht[Bahnen + 1] = {};
    long takt = 0, takte = 0, angeboten = 0, cpu = 0, verworfen = 0, verzug = 0;
    for (auto _ : state) {
        if (takt == TakteJeSpiel) {
            state.PauseTiming();
            verworfen += CanEmpfangVerworfen;
            SpielAufbauen(adapter);
            adapter.empfangen.clear();
            for (int b = 1; b <= Bahnen; ++b) {
                offen[b].clear();
                gebucht[b] = 0;
            }
            takt = 0;
            state.ResumeTiming();
        }
        TaktFuellen(adapter, takt, jeTakt, offen);
        angeboten += jeTakt;
        const long vorher = CpuNs();
        Timer3Go();
        Timer2Go();
        CanSendenTick();
        cpu += CpuNs() - vorher;
        // Ticks from the tick a throw arrived before up to the one that booked it.
        for (int b = 1; b <= Bahnen; ++b)
            for (; gebucht[b] < BahnDaten[b].WurfNr && !offen[b].empty(); ++gebucht[b]) {
                verzug = std::max(verzug, takt - offen[b].front() + 1);
                offen[b].pop_front();
            }
        ++takt;
        ++takte;
    }
    verworfen += CanEmpfangVerworfen;
    const long nichtGenommen = adapter.empfangen.size() + CanEmpfangWartend() + verworfen;
    const double verarbeitet = double(angeboten - nichtGenommen);
    state.counters["Rahmen/s"] = verarbeitet / (double(takte) * 0.05);
    state.counters["CPU_ns/Rahmen"] = double(cpu) / double(std::max(angeboten, 1L));
    state.counters["Buchung_Takte_max"] = double(verzug);
    state.counters["Verworfen"] = double(verworfen);
    ProgrammAbbauen();
}
BENCHMARK(BM_Empfang)->Arg(960)->Arg(7700);

}  // namespace
