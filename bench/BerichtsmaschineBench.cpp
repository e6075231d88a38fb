// The cost of a list printed by the own report engine: the shipped player
// list with 4,000 players of twelve fields, paged onto a printer that takes
// the pages without drawing them, so that what is measured is the engine's
// work per row. Once driven the way the component drives it, with no
// callback and debug 0; once through the component itself (which always
// registers its callback, with no event bound).

#include "platform/bericht/Berichtsoberflaeche.h"
#include "platform/bericht/Berichtsprojekt.h"
#include "platform/bericht/EigeneBerichtsmaschine.h"
#include "report/projekte/L8.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Takes every print, draws nothing.
class Papierkorb final : public Berichtsoberflaeche {
public:
    int drucken(const QList<Berichtsseite>&, const QString&, int, QString*) override { return BerichtOk; }
};

const char* const Feldnamen[] = {"Spieler.Name", "Spieler.Vorname", "Spieler.Club",   "Spieler.Pass",
                                 "Spieler.Gebdat", "Spieler.Gruppe", "Spieler.Nation", "Spieler.Plz",
                                 "Spieler.Ort",  "Spieler.Tel",     "Spieler.Strasse", "Spieler.Email"};

// The fields of player `nr` as the player list defines them.
template <typename Definieren>
void Felder(int nr, Definieren definieren)
{
    for (const char* name : Feldnamen)
        definieren(QString::fromLatin1(name), QStringLiteral("%1 %2").arg(QLatin1String(name + 8)).arg(nr));
}

struct Umgebung {
    Umgebung()
    {
        BerichtsoberflaecheSetzen(&papierkorb);
        QFile f(ordner.filePath(QStringLiteral("Spielerdaten.lst")));
        if (f.open(QIODevice::WriteOnly)) f.write(StandardProjekt(Projektart::Liste));
        liste = f.fileName();
    }
    ~Umgebung() { BerichtsoberflaecheSetzen(nullptr); }
    Papierkorb papierkorb;
    QTemporaryDir ordner;
    QString liste;
};

// The session as TL8_::Print runs it for a list, on the engine directly.
void BM_ListeDerMaschine(benchmark::State& state)
{
    const int zeilen = int(state.range(0));
    Umgebung u;
    EigeneBerichtsmaschine m;
    const int job = m.LlJobOpen(-1);
    for (auto _ : state) {
        m.LlDefineVariableStart(job);
        if (m.LlPrintWithBoxStart(job, ProjekttypListe, u.liste, AusgabeDrucker, 3, nullptr, QStringLiteral("Liste")) != 0)
            return state.SkipWithError("print start failed");
        int r = m.LlPrint(job);
        for (int nr = 1; nr <= zeilen && r == 0; ++nr) {
            m.LlDefineFieldStart(job);
            Felder(nr, [&](const QString& n, const QString& w) { m.LlDefineFieldExt(job, n, w, WerttypText, 0); });
            r = m.LlPrintSetBoxText(job, QStringLiteral("Laser"), nr * 100 / zeilen);
            if (r == 0) r = m.LlPrintFields(job);
            if (r == BerichtSeiteVoll) {
                r = m.LlPrint(job);
                if (r == 0) r = m.LlPrintFields(job);
            }
            m.LlPrintDeclareChartRow(job, 1);
        }
        m.LlPrintFieldsEnd(job);
        if (m.LlPrintEnd(job, 0) != 0 || r != 0) return state.SkipWithError("print failed");
    }
    state.SetItemsProcessed(state.iterations() * zeilen);
}
BENCHMARK(BM_ListeDerMaschine)->Arg(4000)->Unit(benchmark::kMillisecond);

// The same list through the component's Print.
void BM_ListeDerKomponente(benchmark::State& state)
{
    const int zeilen = int(state.range(0));
    Umgebung u;
    EigeneBerichtsmaschine m;
    TL8_ l(m);
    int nr = 0;
    l.EnableDefineFieldsEvent = true;
    l.OnDefineFields = [&nr, zeilen](TL8_& ll, int, int dummy, int* prozent, int* letzter, int&) {
        if (dummy) return;
        ++nr;
        Felder(nr, [&](const QString& n, const QString& w) { ll.LlDefineFieldExt(n, w, WerttypText); });
        *prozent = nr * 100 / zeilen;
        if (nr == zeilen) *letzter = 1;
    };
    for (auto _ : state) {
        nr = 0;
        if (l.Print(1, ProjekttypListe, u.liste, false, AusgabeDrucker, 3, nullptr, QStringLiteral("Liste"), false, {}) != 0)
            return state.SkipWithError("print failed");
    }
    state.SetItemsProcessed(state.iterations() * zeilen);
}
BENCHMARK(BM_ListeDerKomponente)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
