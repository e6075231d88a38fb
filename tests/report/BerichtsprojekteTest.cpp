#include "report/projekte/Berichtsprojekte.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "platform/bericht/FakeBerichtsmaschine.h"
#include "support/Grundlage.h"

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
    QString fehler;
    EXPECT_EQ(ProjektExportieren(QStringLiteral("/daten/Spiel.crd"), QStringLiteral("HTML"),
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
    EXPECT_EQ(ProjektExportieren(QStringLiteral("/daten/Spiel.crd"), QStringLiteral("PICTURE_JPEG"),
                                 QStringLiteral("/daten/Spielbericht.jpg"), w, &fehler),
              BerichtDateiFehlt);
    EXPECT_EQ(fehler, maschine.fehlertext);
}

}  // namespace
