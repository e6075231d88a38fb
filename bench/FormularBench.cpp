// Cost of drawing the report: each built-in layout of a played six-a-side
// match, blank form and texts, into its full-size picture.

#include "support/Berichtsspiel.h"
#include "report/formulare/Formular.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

TWettkampfDaten* Spiel = nullptr;

void BM_FormularZeichnen(benchmark::State& state)
{
    const int index = int(state.range(0));
    if (!Spiel) {
        state.SkipWithError("no match");
        return;
    }
    for (auto _ : state) {
        FormularBild f = FormularZeichnen(*Spiel, index);
        benchmark::DoNotOptimize(f.bild.constBits());
    }
    state.SetLabel(FormularKurzname(index).toStdString());
}
BENCHMARK(BM_FormularZeichnen)->DenseRange(0, FormularAnzahl - 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    auto anlage = std::make_unique<Anlage>(SimVorgaben(5, 40, 40, 2026));
    std::string fehler;
    Spiel = BerichtsspielSpielen(*anlage, &fehler);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgrammAbbauen();
    return 0;
}
