// The CSV import of a large file: reading a file of 60 MB (256 columns of
// empty fields, under the import's size limit) into the preview, and the
// preview's memory afterwards (peak resident set, shown as a counter).

#include "competition/Import.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

void ImportVorschau(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("gross.csv"));
    {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly)) {
            state.SkipWithError("no temporary file");
            return;
        }
        const QByteArray zeile = QByteArray(MaxImportSpalten - 1, ';') + "\r\n";
        while (f.size() + zeile.size() <= 60 * 1024 * 1024) f.write(zeile);
    }
    int zellen = 0;
    for (auto _ : state) {
        QString fehler;
        const std::optional<std::vector<QByteArray>> zeilen = ImportdateiLesen(pfad, &fehler);
        const Importtabelle t = ImportdateiLaden(zeilen.value_or(std::vector<QByteArray>{}), ';');
        zellen = t.spalten() * t.zeilen();
        benchmark::DoNotOptimize(t.zelle(MaxImportSpalten - 1, t.zeilen() - 1));
    }
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    state.counters["cells"] = zellen;
    state.counters["peak_MB"] = double(r.ru_maxrss) / 1024.0;
}
BENCHMARK(ImportVorschau)->Unit(benchmark::kMillisecond)->Iterations(3);

// The preview alone, from lines already read.
void ImportVorschauAusZeilen(benchmark::State& state)
{
    const std::vector<QByteArray> zeilen(60 * 1024 * 1024 / (MaxImportSpalten + 1), QByteArray(MaxImportSpalten - 1, ';'));
    for (auto _ : state) {
        const Importtabelle t = ImportdateiLaden(zeilen, ';');
        benchmark::DoNotOptimize(t.zelle(MaxImportSpalten - 1, t.zeilen() - 1));
    }
}
BENCHMARK(ImportVorschauAusZeilen)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
