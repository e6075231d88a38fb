// Cost of the result board on the second monitor (1280 x 1024, wide design)
// with a played six-a-side match on it: one booked throw refreshed on the
// board (one row and the totals), with and without painting, and one second
// of a busy alley: sixteen lanes booking a throw each, the advert rotation
// ticking every other second through two pictures. The last one's counter
// CPU_Prozent is the share of one core the board takes. And the switch to a
// picture of 24 megapixels: what it costs the UI thread, and how long until
// the worker has it on the board.

#include "core/Anzeigedienste.h"
#include "core/SettingsFile.h"
#include "core/ui/Bilder.h"
#include "displays/Werberotation.h"
#include "displays/ui/Anzeigefenster.h"
#include "support/Berichtsspiel.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

TWettkampfDaten* Spiel = nullptr;
TAnzeigefenster* Tafel = nullptr;
QString GrossesBild;  // 6000 x 4000

// A new total for player n, as the engine writes it after a throw.
void Wurf(int n, long i)
{
    TSpielerEintrag& s = Spiel->Spieler[n];
    s.Total.Zahl = u16(500 + i % 300);
    s.Total.Text = QByteArray::number(s.Total.Zahl).rightJustified(4, '0').constData();
    TMannschaftBlock& m = n <= 8 ? Spiel->Heim : Spiel->Gast;
    m.Total.Zahl = u16(3000 + i % 900);
    m.Total.Text = QByteArray::number(m.Total.Zahl).rightJustified(4, '0').constData();
}

void BM_SpielerAktualisieren(benchmark::State& state)
{
    long i = 0;
    for (auto _ : state) {
        const int n = int(i % 12) + 1;
        Wurf(n, i++);
        Tafel->spielerAktualisieren(n);
    }
}
BENCHMARK(BM_SpielerAktualisieren)->Unit(benchmark::kMicrosecond);

void BM_SpielerAktualisierenGezeichnet(benchmark::State& state)
{
    long i = 0;
    for (auto _ : state) {
        const int n = int(i % 12) + 1;
        Wurf(n, i++);
        Tafel->spielerAktualisieren(n);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SpielerAktualisierenGezeichnet)->Unit(benchmark::kMicrosecond);

// One iteration is one second of play; each throw is painted on its own.
void BM_SechzehnBahnenSekunde(benchmark::State& state)
{
    long i = 0, sekunde = 0, wechsel = 0;
    bool werbung = Tafel->PWerbung->isVisible();
    const std::clock_t beginn = std::clock();
    for (auto _ : state) {
        for (int bahn = 1; bahn <= 16; ++bahn) {
            Wurf(bahn, i++);
            Tafel->spielerAktualisieren(bahn);
            QCoreApplication::processEvents();
        }
        if (++sekunde % 2 == 0) GrossanzWerbungTakt();
        QCoreApplication::processEvents();
        if (Tafel->PWerbung->isVisible() != werbung) {
            werbung = !werbung;
            ++wechsel;
        }
    }
    const double cpu = double(std::clock() - beginn) / CLOCKS_PER_SEC;
    state.counters["CPU_Prozent"] = 100.0 * cpu / double(state.iterations());
    state.counters["Werbewechsel"] = double(wechsel);
}
BENCHMARK(BM_SechzehnBahnenSekunde)->Unit(benchmark::kMillisecond);

void WorkerAbwarten()
{
    const Bildlader* lader = Tafel->findChild<Bildlader*>(QStringLiteral("Lader"));
    while (lader && lader->beschaeftigt()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The UI thread's part of switching to the picture and back.
void BM_GrossesBildUmschalten(benchmark::State& state)
{
    for (auto _ : state) {
        Tafel->werbungZeigen(GrossesBild);
        Tafel->ergebnisseZeigen();
    }
    WorkerAbwarten();
}
BENCHMARK(BM_GrossesBildUmschalten)->Unit(benchmark::kMicrosecond);

// From the switch until the picture is on the board, read and scaled by the worker.
void BM_GrossesBildBisGezeigt(benchmark::State& state)
{
    for (auto _ : state) {
        QEventLoop schleife;
        QObject::connect(Tafel, &TAnzeigefenster::bildGezeigt, &schleife, &QEventLoop::quit);
        Tafel->werbungZeigen(GrossesBild);
        schleife.exec();
        state.PauseTiming();
        Tafel->ergebnisseZeigen();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GrossesBildBisGezeigt)->Unit(benchmark::kMillisecond);

// Two pictures of 1280 x 720, shown 2 seconds after 2 seconds of results.
bool WerbungEinrichten(const QString& ordner)
{
    QByteArray zeilen;
    for (int k = 1; k <= 2; ++k) {
        QImage b(1280, 720, QImage::Format_RGB32);
        b.fill(k == 1 ? QColor(200, 40, 40) : QColor(40, 90, 200));
        QPainter(&b).drawText(b.rect(), Qt::AlignCenter, QStringLiteral("Werbung %1").arg(k));
        const QString datei = ordner + QStringLiteral("/werbung%1.jpg").arg(k);
        if (!b.save(datei, "JPG")) return false;
        zeilen += "Werbung;" + datei.toUtf8() + ";127;2;2\r\n";
    }
    QImage gross(6000, 4000, QImage::Format_RGB32);
    gross.fill(QColor(30, 120, 60));
    QPainter maler(&gross);
    maler.setFont(QFont(QStringLiteral("Arial"), 300, QFont::Bold));
    maler.drawText(gross.rect(), Qt::AlignCenter, QStringLiteral("24 Megapixel"));
    maler.end();
    GrossesBild = ordner + QStringLiteral("/gross.jpg");
    if (!gross.save(GrossesBild, "JPG", 90)) return false;
    QFile f(ordner + QStringLiteral("/Grossanz0.dat"));
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(zeilen);
    f.close();
    Datenverzeichnis = ordner;
    Spiel->GrossanzeigeEin = 1;
    Spiel->GrossanzWerbung.Werbung = 1;
    Spiel->GrossanzWerbung.Index = 0;
    return GrossanzWerbungLaden(*Spiel);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto anlage = std::make_unique<Anlage>(SimVorgaben(5, 40, 40, 2026));
    std::string fehler;
    Spiel = BerichtsspielSpielen(*anlage, &fehler);
    if (!Spiel) {
        fprintf(stderr, "no match: %s\n", fehler.c_str());
        return 1;
    }
    AnzeigeWettkampf = Spiel;
    QTemporaryDir ordner;
    auto tafel = std::make_unique<TAnzeigefenster>(Anzeigefenster::Gross);
    tafel->resize(1280, 1024);
    tafel->show();
    Tafel = tafel.get();
    QCoreApplication::processEvents();
    if (!WerbungEinrichten(ordner.path())) {
        fprintf(stderr, "no adverts\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tafel.reset();
    AnzeigeWettkampf = nullptr;
    ProgrammAbbauen();
    return 0;
}
