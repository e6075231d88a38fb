#include "report/projekte/L8.h"

#include "core/Boxes.h"
#include "platform/bericht/FakeBerichtsmaschine.h"
#include "support/QtDrucken.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using E = L8Eigenschaft;

class L8Test : public ::testing::Test {
protected:
    // A component on the fake, its construction left out of the record.
    TL8_& neu()
    {
        l8 = std::make_unique<TL8_>(fake);
        fake.protokoll.clear();
        return *l8;
    }

    // Define events that log "Variablen(<bDummy>)" and "Felder(<bDummy>)".
    // The fields event delivers `zeilen` rows and marks the last; the
    // variables event marks the last record (with `fortschritt` as its
    // progress) only when `variablenLetzter`.
    void ereignisse(int zeilen, bool variablenLetzter)
    {
        l8->EnableDefineVariablesEvent = true;
        l8->EnableDefineFieldsEvent = true;
        l8->OnDefineVariables = [this, variablenLetzter](TL8_&, int, int dummy, int* prozent, int* letzter, int&) {
            protokoll << QString("Variablen(%1)").arg(dummy);
            if (dummy == 0 && variablenLetzter) {
                *prozent = fortschritt;
                *letzter = 1;
            }
        };
        l8->OnDefineFields = [this, zeilen](TL8_&, int, int dummy, int* prozent, int* letzter, int&) {
            protokoll << QString("Felder(%1)").arg(dummy);
            if (dummy == 1) return;
            ++zeile;
            *prozent = zeile * 100 / zeilen;
            if (zeile == zeilen) *letzter = 1;
        };
    }

    int karte(bool optionsdialog = true, const QString& temp = QString())
    {
        return l8->Print(1, ProjekttypKarte, "Spiel.crd", false, AusgabeDrucker, 3, nullptr, "Titel", optionsdialog,
                         temp);
    }
    int liste(bool optionsdialog = false)
    {
        return l8->Print(1, ProjekttypListe, "Spieler.lst", false, AusgabeDrucker, 3, nullptr, "Liste",
                         optionsdialog, QString());
    }

    FakeBerichtsmaschine fake;
    SkriptBoxen boxen;
    BoxenEinsetzen m_boxen{&boxen};
    std::unique_ptr<TL8_> l8;
    QStringList protokoll;  // the events, in order
    int fortschritt = 0;
    int zeile = 0;
};

TEST_F(L8Test, NeuerAuftragSchreibtDieVorgabenInIhrerReihenfolge)
{
    TL8_ l(fake);
    EXPECT_EQ(l.hLlJob(), 1);
    EXPECT_EQ(l.Language(), TL8_::DefaultLang);
    EXPECT_EQ(fake.zeilen({"LlJobOpen"}), QStringList{"LlJobOpen(-1)"});
    QStringList soll;  // option:value in the order they are written
    for (const QString& o : QStringLiteral("8:1 42:1 40:1 46:1 51:1 50:1 19:0 21:0 47:0 49:0 20:1 0:1 33:0 32:0 48:1 1:0 "
                                           "41:0 23:182 11:1 9:1 30:1 10:0 2:0 15:247 54:2 55:3 56:164 66:1 5:0 43:0 "
                                           "13:0 22:0 78:0 79:0 60:1 81:0")
                                .split(u' '))
        soll << QStringLiteral("LlSetOption(1,%1)").arg(QString(o).replace(u':', u','));
    EXPECT_EQ(fake.zeilen({"LlSetOption"}), soll);
    EXPECT_TRUE(boxen.gezeigt.isEmpty());
}

TEST_F(L8Test, OhneStandardspracheOeffnetDieErsteVorhandene)
{
    fake.sprachen = QSet<int>{5, 7};
    TL8_ l(fake);
    EXPECT_EQ(l.hLlJob(), 1);
    EXPECT_EQ(l.Language(), 6);
    QStringList versuche;
    for (int sprache = -1; sprache <= 5; ++sprache) versuche << QStringLiteral("LlJobOpen(%1)").arg(sprache);
    EXPECT_EQ(fake.zeilen({"LlJobOpen"}), versuche);
    EXPECT_TRUE(boxen.gezeigt.isEmpty());
}

TEST_F(L8Test, OhneSpracheEinHinweisUndKeinAuftrag)
{
    fake.sprachen = QSet<int>{};
    {
        TL8_ l(fake);
        EXPECT_EQ(l.hLlJob(), -1);
        EXPECT_EQ(fake.anzahl("LlJobOpen"), 43);
        EXPECT_EQ(boxen.gezeigt, QStringList{"Die Berichtsausgabe findet keine Sprache."});
        // Without a job the calls get -1 and the preview geometry is not taken.
        l.LlPrint();
        EXPECT_EQ(fake.protokoll.last().text(), "LlPrint(-1)");
        l.PreviewAppearance().setWidth(300);
        EXPECT_EQ(l.PreviewAppearance().Width(), -1);
    }
    EXPECT_EQ(fake.anzahl("LlJobClose"), 0);
}

TEST_F(L8Test, SprachwechselSchreibtJedeEigenschaftInDenNeuenAuftrag)
{
    struct Fall {
        std::optional<QSet<int>> sprachen;
        QList<int> antwort;  // scripted LlJobOpen answers after construction
        QStringList hinweise;
        int sprache;
    };
    const Fall faelle[] = {
        {std::nullopt, {}, {}, TL8_::English},
        {QSet<int>{-1}, {}, {"Die Sprachdatei der Berichtsausgabe fehlt."}, TL8_::DefaultLang},
        {std::nullopt, {-3}, {"Der Auftrag der Berichtsausgabe kann nicht geöffnet werden."}, TL8_::DefaultLang},
    };
    for (const Fall& f : faelle) {
        fake = FakeBerichtsmaschine();
        boxen.gezeigt.clear();
        fake.sprachen = f.sprachen;
        TL8_& l = neu();
        fake.antworten["LlJobOpen"] = f.antwort;
        l.setEigenschaft(E::SortVariables, TL8_::No);
        l.setEigenschaft(E::AutoMultipage, TL8_::No);
        l.setEigenschaft(E::TableColoringMode, TL8_::Mixed);
        l.setEigenschaft(E::StorageSystem, TL8_::Compat4);
        l.setEigenschaft(E::EMFResolution, 300);
        l.setEigenschaft(E::EnablePageEvent, 1);
        l.PreviewAppearance().setZoomPerc(150);
        fake.protokoll.clear();

        l.setLanguage(TL8_::English);
        EXPECT_EQ(fake.zeilen({"LlJobClose", "LlJobOpen"}).mid(0, 2), (QStringList{"LlJobClose(1)", "LlJobOpen(1)"}));
        EXPECT_EQ(l.hLlJob(), 2);
        EXPECT_EQ(l.Language(), f.sprache);
        EXPECT_EQ(boxen.gezeigt, f.hinweise);
        // The new job starts empty: everything in it was written again.
        const QMap<int, int>& o = fake.optionen;
        for (auto [nr, wert] : {std::pair{9, 0}, {42, 0}, {2, 2}, {30, 0}, {31, 0}, {49, 300}, {6, 0x40000000}, {0, 1},
                                {8, 1}, {15, 247}})
            EXPECT_EQ(o.value(nr, -1), wert) << nr;
        EXPECT_FALSE(o.contains(25));  // the preview geometry is not sent again
        EXPECT_EQ(l.PreviewAppearance().job(), 2);
    }
}

TEST_F(L8Test, Vorschaufenster)
{
    TL8_& l = neu();
    TL8_::TPrvAppearance& v = l.PreviewAppearance();
    v.setWidth(0);
    v.setWidth(-2);
    v.setLeft(-1);
    v.setZoomPerc(0);
    EXPECT_EQ(v.Width(), 0);
    EXPECT_EQ(v.Left(), -1);
    EXPECT_EQ(v.ZoomPerc(), 0);
    EXPECT_TRUE(fake.protokoll.isEmpty());
    v.setLeft(0);
    v.setTop(5);
    v.setWidth(640);
    v.setHeight(480);
    v.setZoomPerc(80);
    EXPECT_EQ(fake.zeilen(), (QStringList{"LlSetOption(1,26,0)", "LlSetOption(1,27,5)", "LlSetOption(1,28,640)",
                                          "LlSetOption(1,29,480)", "LlSetOption(1,25,80)"}));
}

TEST_F(L8Test, SpeicherartUndKompression)
{
    TL8_& l = neu();
    l.setEigenschaft(E::CompressStorage, TL8_::Yes);
    EXPECT_EQ(fake.optionen[31], 1);
    l.setEigenschaft(E::StorageSystem, TL8_::Compat4);
    EXPECT_EQ(fake.optionen[30], 0);
    EXPECT_EQ(fake.optionen[31], 0);
    l.setEigenschaft(E::CompressStorage, TL8_::Yes);
    EXPECT_EQ(fake.protokoll.last().text(), "LlSetOption(1,31,0)");
    EXPECT_EQ(l.Eigenschaft(E::StorageSystem), TL8_::Compat4);
    EXPECT_EQ(l.Eigenschaft(E::CompressStorage), TL8_::No);
}

TEST_F(L8Test, AusdrucksmodusUeberZweiOptionen)
{
    TL8_& l = neu();
    EXPECT_EQ(l.Eigenschaft(E::NewExpressions), TL8_::NewMode);
    l.setEigenschaft(E::NewExpressions, TL8_::Old);
    EXPECT_EQ(fake.zeilen(), (QStringList{"LlGetOption(1,0)", "LlSetOption(1,0,0)", "LlSetOption(1,14,0)"}));
    EXPECT_EQ(l.Eigenschaft(E::NewExpressions), TL8_::Old);
    l.setEigenschaft(E::NewExpressions, TL8_::Enhanced);
    EXPECT_EQ(l.Eigenschaft(E::NewExpressions), TL8_::Enhanced);
    // Option 0 wins over option 14.
    l.setEigenschaft(E::NewExpressions, TL8_::NewMode);
    EXPECT_EQ(l.Eigenschaft(E::NewExpressions), TL8_::NewMode);
}

TEST_F(L8Test, GemerkteUndGefragteWerte)
{
    TL8_& l = neu();
    fake.optionen[8] = 0;  // behind the component's back
    fake.optionen[9] = 5;
    EXPECT_EQ(l.Eigenschaft(E::HelpAvailable), TL8_::Yes);
    EXPECT_EQ(l.Eigenschaft(E::SortVariables), TL8_::Yes);
    fake.optionen[9] = 0;
    EXPECT_EQ(l.Eigenschaft(E::SortVariables), TL8_::No);
    EXPECT_EQ(l.Eigenschaft(E::TabRepresentationCode), 247);

    // The resolution comes back as the engine took it; codes out of range are not sent.
    fake.haken = [](const FakeBerichtsmaschine::Aufruf& a) -> std::optional<int> {
        if (a.name == "LlGetOption" && a.argumente.at(1) == "49") return 96;
        return std::nullopt;
    };
    l.setEigenschaft(E::EMFResolution, 300);
    EXPECT_EQ(l.Eigenschaft(E::EMFResolution), 96);
    fake.protokoll.clear();
    l.setEigenschaft(E::TableColoringMode, 3);
    l.setEigenschaft(E::TabRepresentationCode, 256);
    EXPECT_TRUE(fake.protokoll.isEmpty());
}

TEST_F(L8Test, EreignisbitsInOptionSechs)
{
    fake.startOptionen[6] = 0x1;
    TL8_& l = neu();
    l.setEigenschaft(E::EnablePageEvent, 1);
    EXPECT_EQ(fake.optionen[6], 0x40000001);
    l.setEigenschaft(E::EnableObjectEvent, 1);
    l.setEigenschaft(E::EnableHelpCallbackEvent, 1);
    EXPECT_EQ(fake.optionen[6], 0x58000001);
    l.setEigenschaft(E::EnablePageEvent, 0);
    EXPECT_EQ(fake.optionen[6], 0x18000001);
    EXPECT_EQ(l.Eigenschaft(E::EnablePageEvent), 0);
    EXPECT_EQ(l.Eigenschaft(E::EnableObjectEvent), 1);
}

TEST_F(L8Test, TabellenfeldereignisSchaltetDieFaerbungUm)
{
    TL8_& l = neu();
    l.setEigenschaft(E::EnableTableFieldEvent, 1);
    EXPECT_EQ(fake.optionen[2], TL8_::Userdefined);
    l.setEigenschaft(E::TableColoringMode, TL8_::Mixed);
    l.setEigenschaft(E::EnableTableFieldEvent, 0);
    l.setEigenschaft(E::EnableTableFieldEvent, 1);
    EXPECT_EQ(fake.optionen[2], TL8_::Mixed);
}

TEST_F(L8Test, DesignDefiniertDieNamenUndOeffnetDenDesigner)
{
    neu();
    ereignisse(3, true);
    fake.antworten["LlDefineLayout"] = {BerichtAbgebrochen};
    EXPECT_EQ(l8->Design(0, nullptr, "Formulardesign", 0x8003, "Spiel.crd", false), BerichtAbgebrochen);
    EXPECT_EQ(fake.zeilen(), (QStringList{"LlDefineVariableStart(1)", "LlDefineChartFieldStart(1)",
                                          "LlDefineFieldStart(1)", "LlDefineLayout(1,Formulardesign,3,Spiel.crd)"}));
    EXPECT_EQ(protokoll, (QStringList{"Variablen(1)", "Felder(1)"}));
}

TEST_F(L8Test, DateiauswahlGibtDieWahlWeiterOderBricht)
{
    neu();
    fake.dateiwahl = "Neu.lst";
    EXPECT_EQ(l8->Design(0, nullptr, "T", 0x8002, "Alt.lst", true), 0);
    EXPECT_EQ(fake.zeilen({"LlSelectFileDlgTitleEx", "LlDefineLayout"}),
              (QStringList{"LlSelectFileDlgTitleEx(1,,32770,Alt.lst,1023)", "LlDefineLayout(1,T,2,Neu.lst)"}));

    // A cancel in the file dialog, for both entries: its result, nothing else.
    fake.protokoll.clear();
    fake.antworten["LlSelectFileDlgTitleEx"] = {BerichtAbgebrochen, BerichtAbgebrochen};
    EXPECT_EQ(l8->Design(0, nullptr, "T", 2, "Alt.lst", true), BerichtAbgebrochen);
    EXPECT_EQ(l8->Print(1, 2, "Alt.lst", true, AusgabeDrucker, 3, nullptr, "T", true, ""), BerichtAbgebrochen);
    EXPECT_EQ(fake.zeilen(), (QStringList{"LlSelectFileDlgTitleEx(1,,2,Alt.lst,1023)",
                                          "LlSelectFileDlgTitleEx(1,,2,Alt.lst,1024)"}));
}

TEST_F(L8Test, KarteMitZweiKopien)
{
    neu();
    ereignisse(1, true);
    fortschritt = 150;
    fake.haken = [this](const FakeBerichtsmaschine::Aufruf& a) -> std::optional<int> {
        if (a.name == "LlPrintOptionsDialog") fake.druckoptionen[DruckoptionKopien] = 2;
        return std::nullopt;
    };
    EXPECT_EQ(karte(), 0);
    const QStringList soll{
        "LlDefineVariableStart(1)", "LlDefineChartFieldStart(1)", "LlPrintWithBoxStart(1,3,Spiel.crd,0x800,3,Titel)",
        "LlPrintSetOption(1,0,1)", "LlPrintSetOption(1,1,-32768)", "LlPrintOptionsDialog(1,Titel)",
        "LlPrintSetOption(1,1,1)", "LlPrintGetPrinterInfo(1)", "LlPrintGetOption(1,13)", "LlPrintGetOption(1,0)",
        "LlPrintSetOption(1,0,1)", "LlDefineVariableStart(1)", "LlDefineChartFieldStart(1)",
        "LlPrintSetBoxText(1,Testdrucker,100)", "LlPrint(1)", "LlPrint(1)", "LlPrintEnd(1,0)", "LlSetOption(1,47,0)",
    };
    EXPECT_EQ(fake.zeilen(), soll);
    EXPECT_EQ(protokoll, (QStringList{"Variablen(1)", "Variablen(0)"}));
}

TEST_F(L8Test, KarteFortschrittBegrenztUndSeitenueberlauf)
{
    neu();
    ereignisse(1, true);
    fortschritt = -5;
    fake.antworten["LlPrint"] = {BerichtSeiteVoll, BerichtSeiteVoll, 0};
    EXPECT_EQ(karte(false), 0);
    EXPECT_EQ(fake.zeilen({"LlPrintSetBoxText"}), QStringList{"LlPrintSetBoxText(1,Testdrucker,0)"});
    EXPECT_EQ(fake.anzahl("LlPrint"), 3);
}

TEST_F(L8Test, AbbruchImOptionsdialogDrucktNichts)
{
    neu();
    ereignisse(1, true);
    fake.antworten["LlPrintOptionsDialog"] = {BerichtAbgebrochen};
    EXPECT_EQ(karte(), BerichtAbgebrochen);
    EXPECT_EQ(fake.protokoll.last().text(), "LlPrintEnd(1,0)");
    EXPECT_EQ(fake.anzahl("LlPrint"), 0);
    EXPECT_EQ(protokoll, QStringList{"Variablen(1)"});

    fake.protokoll.clear();
    fake.antworten["LlPrintWithBoxStart"] = {BerichtDateiFehlt};
    EXPECT_EQ(karte(), BerichtDateiFehlt);
    EXPECT_EQ(fake.protokoll.last().name, "LlPrintWithBoxStart");
}

TEST_F(L8Test, AbbruchImFortschrittBeendetDenDruck)
{
    // Card: the session ends, nothing printed.
    neu();
    ereignisse(1, true);
    fake.antworten["LlPrintSetBoxText"] = {BerichtAbgebrochen};
    EXPECT_EQ(karte(false), BerichtAbgebrochen);
    EXPECT_EQ(fake.zeilen().mid(fake.protokoll.size() - 2),
              (QStringList{"LlPrintSetBoxText(1,Testdrucker,0)", "LlPrintEnd(1,0)"}));
    EXPECT_EQ(fake.anzahl("LlPrint"), 0);

    // List, on the second row: options 42 and 47 go back to No.
    l8->setEigenschaft(E::AutoMultipage, TL8_::No);
    fake.protokoll.clear();
    ereignisse(5, false);
    fake.antworten["LlPrintSetBoxText"] = {0, BerichtAbgebrochen};
    EXPECT_EQ(liste(), BerichtAbgebrochen);
    EXPECT_EQ(fake.zeilen().mid(fake.protokoll.size() - 5),
              (QStringList{"LlPrintDeclareChartRow(1,1)", "LlPrintSetBoxText(1,Testdrucker,40)", "LlPrintEnd(1,0)",
                           "LlSetOption(1,42,0)", "LlSetOption(1,47,0)"}));
    EXPECT_EQ(fake.anzahl("LlPrintFieldsEnd"), 0);
}

TEST_F(L8Test, VorschauNurNachErfolg)
{
    struct Fall {
        int ende, anzeige;
        QStringList soll;
        int ergebnis;
    };
    const Fall faelle[] = {
        {0, 0, {"LlPreviewDisplay(1,Spiel.crd,/tmp/v)", "LlPreviewDeleteFiles(1,Spiel.crd,/tmp/v)"}, 0},
        {0, BerichtSchreibfehler, {"LlPreviewDisplay(1,Spiel.crd,/tmp/v)"}, BerichtSchreibfehler},
        {BerichtDruckerFehler, 0, {}, BerichtDruckerFehler},
    };
    for (const Fall& f : faelle) {
        fake = FakeBerichtsmaschine();
        neu();
        ereignisse(1, true);
        fake.druckoptionen[DruckoptionZiel] = ZielVorschau;
        fake.antworten["LlPrintEnd"] = {f.ende};
        fake.antworten["LlPreviewDisplay"] = {f.anzeige};
        EXPECT_EQ(karte(false, "/tmp/v"), f.ergebnis);
        EXPECT_EQ(fake.zeilen({"LlPreviewSetTempPath"}), QStringList{"LlPreviewSetTempPath(1,/tmp/v)"});
        EXPECT_EQ(fake.zeilen({"LlPreviewDisplay", "LlPreviewDeleteFiles"}), f.soll);
    }
}

TEST_F(L8Test, ListeMitVollerSeite)
{
    neu();
    ereignisse(3, false);
    fake.haken = [](const FakeBerichtsmaschine::Aufruf& a) -> std::optional<int> {
        if (a.name == "LlPrintFields" && a.nr == 2) return BerichtSeiteVoll;
        return std::nullopt;
    };
    fake.antworten["LlPrintFieldsEnd"] = {BerichtSeiteVoll};
    EXPECT_EQ(liste(), 0);
    const QStringList soll{
        "LlDefineVariableStart(1)", "LlDefineChartFieldStart(1)", "LlDefineFieldStart(1)",
        "LlPrintWithBoxStart(1,2,Spieler.lst,0x800,3,Liste)", "LlPrintGetPrinterInfo(1)", "LlPrintGetOption(1,13)",
        "LlPrintGetOption(1,3)", "LlPrintSetOption(1,0,1)", "LlSetOption(1,42,1)", "LlSetOption(1,47,1)", "LlPrint(1)",
        "LlPrintSetBoxText(1,Testdrucker,33)", "LlPrintFields(1)", "LlPrintDeclareChartRow(1,1)",
        "LlPrintSetBoxText(1,Testdrucker,66)", "LlPrintFields(1)",  // page full
        "LlPrintDeclareChartRow(1,1)", "LlPrint(1)",
        "LlPrintSetBoxText(1,Testdrucker,66)", "LlPrintFields(1)",  // the same row again: no event, no chart row
        "LlPrintSetBoxText(1,Testdrucker,100)", "LlPrintFields(1)", "LlPrintDeclareChartRow(1,1)",
        "LlPrintFieldsEnd(1)", "LlPrintFieldsEnd(1)", "LlPrintEnd(1,0)", "LlSetOption(1,47,0)",
    };
    EXPECT_EQ(fake.zeilen(), soll);
    EXPECT_EQ(protokoll, (QStringList{"Variablen(1)", "Felder(1)", "Variablen(0)", "Felder(0)", "Felder(0)",
                                      "Variablen(0)", "Felder(0)"}));
}

TEST_F(L8Test, ListeKopienDurchDenDrucker)
{
    neu();
    ereignisse(1, false);
    fake.druckoptionen[DruckoptionKopienDurchDrucker] = 1;
    EXPECT_EQ(liste(true), 0);
    EXPECT_EQ(fake.zeilen({"LlPrintSetOption"}),
              (QStringList{"LlPrintSetOption(1,14,1)", "LlPrintSetOption(1,1,-32768)", "LlPrintSetOption(1,1,1)"}));
}

TEST_F(L8Test, ZeileDieNiePasstEndetDenDruck)
{
    neu();
    ereignisse(3, false);
    fake.haken = [](const FakeBerichtsmaschine::Aufruf& a) -> std::optional<int> {
        if (a.name == "LlPrintFields") return BerichtSeiteVoll;
        return std::nullopt;
    };
    EXPECT_EQ(liste(), BerichtSeiteVoll);
    EXPECT_EQ(fake.anzahl("LlPrint"), 2);
    EXPECT_EQ(fake.anzahl("LlPrintFields"), 2);
    EXPECT_EQ(fake.zeilen().mid(fake.protokoll.size() - 2), (QStringList{"LlPrintEnd(1,0)", "LlSetOption(1,47,0)"}));
}

TEST_F(L8Test, EndloseSeitenUndFehlendeEreignisseHaengenNicht)
{
    neu();
    ereignisse(1, true);
    fake.antworten["LlPrint"] = QList<int>(2000, BerichtSeiteVoll);
    EXPECT_EQ(karte(false), BerichtSeiteVoll);
    EXPECT_EQ(fake.anzahl("LlPrint"), 1000);

    fake.antworten.clear();
    fake.antworten["LlPrintFieldsEnd"] = QList<int>(2000, BerichtSeiteVoll);
    EXPECT_EQ(liste(), BerichtSeiteVoll);
    EXPECT_EQ(fake.anzahl("LlPrintFieldsEnd"), 1000);

    // Without define events there is one record, one row.
    fake.protokoll.clear();
    fake.antworten.clear();
    l8->OnDefineVariables = nullptr;
    l8->EnableDefineFieldsEvent = false;
    EXPECT_EQ(karte(false), 0);
    EXPECT_EQ(liste(), 0);
    EXPECT_EQ(fake.anzahl("LlPrint"), 2);
    EXPECT_EQ(fake.anzahl("LlPrintFields"), 1);
}

}  // namespace
