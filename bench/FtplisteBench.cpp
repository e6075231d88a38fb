// Reading an FTP listing as the file list does: one link line whose name
// holds range(0) arrows (" -> ", five bytes each) and whose size matches no
// target, so that every arrow is tried. 262,144 arrows make a line of 1.3 MB.

#include "report/netz/Ftpliste.h"

#include <benchmark/benchmark.h>

namespace {

void VerweisMitPfeilen(benchmark::State& state)
{
    const QString name = QStringLiteral("a -> ").repeated(qsizetype(state.range(0))) + u'z';
    const QStringList liste{QStringLiteral("lrwxrwxrwx 1 ftp ftp 0 Jan 05 12:00 ") + name};
    for (auto _ : state) {
        const QList<Ftpeintrag> eintraege = FtpListeLesen(liste);
        if (eintraege.size() != 1 || eintraege[0].name != name.chopped(5))
            return state.SkipWithError("not the name up to the last arrow");
    }
    state.SetBytesProcessed(state.iterations() * liste[0].size());
}
BENCHMARK(VerweisMitPfeilen)->RangeMultiplier(4)->Range(4096, 262144)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
