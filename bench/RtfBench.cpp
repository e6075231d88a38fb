// Reading a rich text of one long paragraph into the shown text boxes: the
// cover sheet chosen in the cover-sheet window, and a help text put into
// the help window. Four paragraphs of range(0) characters each: words with
// bold and normal alternating from character to character, one single word,
// plain words, and one single word with bold and normal alternating. Four
// times the text should take about four times as long.

#include "core/Rtf.h"
#include "core/SettingsFile.h"
#include "core/ui/Hilfe.h"
#include "report/deckblatt/Deckblatt.h"
#include "report/ui/Deckblatt.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace {

enum Form { Wechselnd, Wort, Absatz, WortWechselnd };

// Character i of words of six letters, each followed by a blank.
char Text(int i) { return "Kegeln "[i % 7]; }

QByteArray Rtf(Form form, int zeichen)
{
    QByteArray text;
    for (int i = 0; i < zeichen; ++i) {
        if (form == Wechselnd || form == WortWechselnd) text += i % 2 ? "\\b0 " : "\\b ";
        text += form == Wort || form == WortWechselnd ? 'w' : Text(i);
    }
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 " + text + "\\par\r\n}\r\n";
}

// The whole document laid out, as the box needs it to show its end.
void Gezeigt(QTextEdit& box)
{
    QCoreApplication::processEvents();
    QTextDocument& d = *box.document();
    benchmark::DoNotOptimize(d.documentLayout()->blockBoundingRect(d.lastBlock()));
}

void Zaehlen(benchmark::State& state)
{
    state.counters["Zeit/Zeichen"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

// Cover 1 chosen in the window, as the list of covers does.
void Deckblatt(benchmark::State& state, Form form)
{
    QTemporaryDir ordner;
    OrdnerSetzen(ordner.path());
    QDir().mkpath(Datenverzeichnis);
    QFile liste(QDir(Datenverzeichnis).filePath(QStringLiteral("Deckblatt.inf")));
    QFile text(DeckblattDatei(1));
    if (!liste.open(QIODevice::WriteOnly) || liste.write("kein Deckblatt\r\nLang\r\n") < 0 ||
        !text.open(QIODevice::WriteOnly) || text.write(Rtf(form, int(state.range(0)))) < 0)
        return state.SkipWithError("the cover cannot be written");
    liste.close();
    text.close();
    deckblattZustand.zuruecksetzen();
    TDeckblatt fenster;
    fenster.show();
    for (auto _ : state) {
        fenster.deckblattZeigen(1);
        Gezeigt(*fenster.REFormular);
    }
    if (fenster.REFormular->document()->characterCount() != state.range(0) + 1)
        state.SkipWithError("the cover was not read whole");
    Zaehlen(state);
}

// As the help window reads its file.
void Hilfe(benchmark::State& state, Form form)
{
    const QByteArray rtf = Rtf(form, int(state.range(0)));
    THilfe hilfe;
    hilfe.show();
    for (auto _ : state) {
        RtfLesen(rtf, *hilfe.REHilfe->document());
        hilfe.REHilfe->moveCursor(QTextCursor::Start);
        Gezeigt(*hilfe.REHilfe);
    }
    if (hilfe.REHilfe->document()->characterCount() != state.range(0) + 1)
        state.SkipWithError("the help was not read whole");
    Zaehlen(state);
}

void Bereich(benchmark::internal::Benchmark* b)
{
    b->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK_CAPTURE(Deckblatt, Wechselnd, Wechselnd)->Apply(Bereich);
BENCHMARK_CAPTURE(Deckblatt, Wort, Wort)->Apply(Bereich);
BENCHMARK_CAPTURE(Deckblatt, Absatz, Absatz)->Apply(Bereich);
BENCHMARK_CAPTURE(Deckblatt, WortWechselnd, WortWechselnd)->Apply(Bereich);
BENCHMARK_CAPTURE(Hilfe, Wechselnd, Wechselnd)->Apply(Bereich);
BENCHMARK_CAPTURE(Hilfe, Wort, Wort)->Apply(Bereich);
BENCHMARK_CAPTURE(Hilfe, Absatz, Absatz)->Apply(Bereich);
BENCHMARK_CAPTURE(Hilfe, WortWechselnd, WortWechselnd)->Apply(Bereich);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
