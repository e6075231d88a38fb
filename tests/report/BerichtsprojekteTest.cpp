#include "report/projekte/Berichtsprojekte.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "platform/bericht/Berichtsprojekt.h"
#include "platform/bericht/FakeBerichtsmaschine.h"
#include "support/Grundlage.h"

#include <QFile>
#include <QMultiMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Berichtsprojekte : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        m_daten = Datenverzeichnis;
        Datenverzeichnis = QStringLiteral("/daten");
        BerichtsmaschineSetzen(&maschine);
        w.Heimmannschaft.setzenText(QStringLiteral("KSC Ahorn 1"));
    }
    void TearDown() override
    {
        BerichtsmaschineSetzen(nullptr);
        Datenverzeichnis = m_daten;
        FormularDateien.clear();
        Grundlage::TearDown();
    }
    // The value the n-th definition of `name` gave (1: the first).
    QString wert(const QString& name, int n) const
    {
        for (const FakeBerichtsmaschine::Aufruf& a : maschine.protokoll)
            if (a.name == QLatin1String("LlDefineVariableExt") && a.argumente.value(1) == name && --n == 0)
                return a.argumente.value(2);
        return QStringLiteral("(nicht definiert)");
    }

    FakeBerichtsmaschine maschine;
    TWettkampfDaten w;

private:
    QString m_daten;
};

TEST_F(Berichtsprojekte, TheLayoutsFileIsItsEntryInTheDataFolder)
{
    FormularDateien = QStringList(20, QStringLiteral(" "))
                      << QStringLiteral("Spiel.crd") << QStringLiteral("  ") << QStringLiteral("/andere/Liga.crd");
    EXPECT_EQ(ProjektdateiVon(20), QStringLiteral("/daten/Spiel.crd"));
    EXPECT_EQ(ProjektdateiVon(21), QString());  // blank: none
    EXPECT_EQ(ProjektdateiVon(22), QStringLiteral("/andere/Liga.crd"));
    EXPECT_EQ(ProjektdateiVon(23), QString());  // beyond the list
    EXPECT_EQ(ProjektdateiVon(5), QString());   // built in
}

// The preview: samples, the print start into the preview file with its box,
// the match's values, the box at 50 %, one record, the end.
TEST_F(Berichtsprojekte, PreviewFillsThePreviewFileWithTheMatch)
{
    TL8_ ll;
    maschine.protokoll.clear();
    EXPECT_EQ(ProjektVorschauErstellen(ll, nullptr, QStringLiteral("/daten/Spiel.crd"), &w), BerichtOk);
    EXPECT_EQ(maschine.zeilen({"LlDefineVariableStart", "LlPrintWithBoxStart", "LlPrintSetBoxText", "LlPrint",
                               "LlPrintEnd"}),
              QStringList({"LlDefineVariableStart(1)",
                           "LlPrintWithBoxStart(1,3,/daten/Spiel.crd,0x200,3,erstelle Formular Spiel.crd)",
                           "LlPrintSetBoxText(1,erstelle Formular Spiel.crd,50)", "LlPrint(1)", "LlPrintEnd(1,0)"}));
    EXPECT_EQ(maschine.anzahl(QStringLiteral("LlDefineVariableExt")), 2 * 582);
    EXPECT_EQ(wert(QStringLiteral("Heimmannschaft.Name"), 2), QStringLiteral("KSC Ahorn 1"));
    // The match's values follow the print start.
    const QStringList namen = maschine.namen();
    EXPECT_GT(namen.lastIndexOf(QStringLiteral("LlDefineVariableExt")), namen.indexOf(QStringLiteral("LlPrintWithBoxStart")));

    // A failed start ends there.
    maschine.protokoll.clear();
    maschine.antworten[QStringLiteral("LlPrintWithBoxStart")] = {BerichtFormatFalsch};
    EXPECT_EQ(ProjektVorschauErstellen(ll, nullptr, QStringLiteral("/daten/Spiel.crd"), &w), BerichtFormatFalsch);
    EXPECT_EQ(maschine.anzahl(QStringLiteral("LlPrint")) + maschine.anzahl(QStringLiteral("LlPrintEnd")), 0);
}

// The quiet export: its parameters for the format, a print start without a
// box, the format chosen, the match's values, one record.
TEST_F(Berichtsprojekte, ExportIsQuietIntoTheGivenFile)
{
    TL8_ ll;
    maschine.protokoll.clear();
    QString fehler;
    EXPECT_EQ(ProjektExportieren(ll, QStringLiteral("/daten/Spiel.crd"), QStringLiteral("HTML"),
                                 QStringLiteral("/tmp/live/7-Update.htm"), w, &fehler),
              BerichtOk);
    EXPECT_TRUE(fehler.isEmpty());
    EXPECT_EQ(maschine.zeilen({"LlXSetParameter", "LlPrintStart", "LlPrintSetOptionString", "LlPrint", "LlPrintEnd"}),
              QStringList({"LlXSetParameter(1,1,HTML,Export.File,7-Update.htm)",
                           "LlXSetParameter(1,1,HTML,Export.Path,/tmp/live/)",
                           "LlXSetParameter(1,1,HTML,Export.Quiet,1)", "LlPrintStart(1,3,/daten/Spiel.crd,0x800,0)",
                           "LlPrintSetOptionString(1,2,HTML)", "LlPrint(1)", "LlPrintEnd(1,0)"}));
    EXPECT_EQ(wert(QStringLiteral("Heimmannschaft.Name"), 2), QStringLiteral("KSC Ahorn 1"));

    // An engine error comes back with its text; a cancel without one.
    maschine.fehlertext = QStringLiteral("Die Formulardatei „Spiel.crd“ fehlt.");
    maschine.antworten[QStringLiteral("LlPrintStart")] = {BerichtDateiFehlt};
    EXPECT_EQ(ProjektExportieren(ll, QStringLiteral("/daten/Spiel.crd"), QStringLiteral("PICTURE_JPEG"),
                                 QStringLiteral("/daten/Spielbericht.jpg"), w, &fehler),
              BerichtDateiFehlt);
    EXPECT_EQ(fehler, maschine.fehlertext);
}

// The shipped report project as the live results upload it, for a match
// of four a side: players 5 and 6 are not on it, and no row shows a "0"
// for a lane not played or a substitute who replaced nobody.
TEST(BerichtsprojektHtml, FourASideShowsOnlyTheMatchsPlayers)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString projekt = ordner.filePath(QStringLiteral("Spielbericht.crd"));
    QFile datei(projekt);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(StandardProjekt(Projektart::Karte)) > 0);
    datei.close();

    auto w = std::make_unique<TWettkampfDaten>();
    w->Spieleranzahl = 4;
    for (int nr = 1; nr <= 16; ++nr) {
        TSpielerEintrag& s = *w->SpielerZeiger[nr];
        const bool heim = nr <= 8;
        s.Name.setzenText(QStringLiteral("%1 %2").arg(heim ? "Heim" : "Gast").arg(heim ? nr : nr - 8));
        // Rows 1..4 have played turns 1 and 2, on lanes 1..4.
        if ((nr - 1) % 8 < 4)
            for (int d = 1; d <= 2; ++d) s.Durchgang[d].Bahn = u8((nr + d) % 4 + 1);
    }
    w->Spieler[8].Ersatz = 3;  // home 8 came in for home 3 in turn 2
    w->Spieler[8].Durchgang[2].Bahn = 2;

    const QString html = ordner.filePath(QStringLiteral("Update.htm"));
    QString fehler;
    TL8_ ll;
    ASSERT_EQ(ProjektExportieren(ll, projekt, QStringLiteral("HTML"), html, *w, &fehler), BerichtOk) << fehler.toStdString();
    QFile f(html);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());

    // Every text by its row's top, with its left edge.
    QMultiMap<QString, std::pair<QString, QString>> zeilen;  // top -> (left, text)
    QStringList texte;
    const QRegularExpression span(QStringLiteral(R"(<span class="t" style="left:([0-9.]+)mm;top:([0-9.]+)mm;[^"]*">([^<]*)</span>)"));
    for (auto it = span.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        zeilen.insert(m.captured(2), {m.captured(1), m.captured(3)});
        texte << m.captured(3);
    }
    ASSERT_FALSE(texte.isEmpty());

    for (const char* name : {"Heim 1", "Heim 4", "Heim 7", "Heim 8", "Gast 1", "Gast 4", "Gast 8"})
        EXPECT_TRUE(texte.contains(QString::fromLatin1(name))) << name;
    for (const char* name : {"Heim 5", "Heim 6", "Gast 5", "Gast 6"})
        EXPECT_FALSE(texte.contains(QString::fromLatin1(name))) << name;

    // Tops of the rows: home 52 + 4.6 per row, guest 110.8 + 4.6 per row.
    const QStringList heim{"52", "56.6", "61.2", "65.8", "70.4", "75", "79.6", "84.2"};
    const QStringList gast{"110.8", "115.4", "120", "124.6", "129.2", "133.8", "138.4", "143"};
    // Rows 5 and 6 of each side: their numbers only.
    for (int r : {4, 5})
        for (const QStringList* seite : {&heim, &gast})
            EXPECT_EQ(zeilen.values((*seite)[r]), (QList<std::pair<QString, QString>>{{"11.2", QString::number(r + 1)}}))
                << seite->at(r).toStdString();
    // "Ers. für" (102.2) and the lanes (114.2, 138.2, 162.2, 186.2): no "0" in any row.
    const QStringList spalten{"102.2", "114.2", "138.2", "162.2", "186.2"};
    for (const QStringList* seite : {&heim, &gast})
        for (const QString& top : *seite)
            for (const auto& [links, t] : zeilen.values(top))
                if (spalten.contains(links)) {
                    EXPECT_NE(t, "0") << top.toStdString() << " " << links.toStdString();
                }
    // What was played is there: home 1's lanes of turns 1 and 2, home 8's substitution.
    const auto heim1 = zeilen.values("52");
    EXPECT_TRUE(heim1.contains(std::pair<QString, QString>("114.2", "3")));
    EXPECT_TRUE(heim1.contains(std::pair<QString, QString>("138.2", "4")));
    const auto heim8 = zeilen.values("84.2");
    EXPECT_TRUE(heim8.contains(std::pair<QString, QString>("102.2", "3")));
    EXPECT_TRUE(heim8.contains(std::pair<QString, QString>("138.2", "2")));
}

}  // namespace
