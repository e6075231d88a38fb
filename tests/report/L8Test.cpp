#include "report/projekte/L8.h"

#include "core/Boxes.h"
#include "platform/bericht/Berichtsseite.h"
#include "platform/bericht/EigeneBerichtsmaschine.h"
#include "platform/bericht/FakeBerichtsmaschine.h"
#include "support/QtDrucken.h"

#include <QFile>
#include <QTemporaryDir>
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

// Binds all 22 notification events; each logs its name and what it got
// ("s" the record's page number), result events leave the result as given.
void AlleNotizereignisse(TL8_& l, QStringList& log)
{
    auto notiz = [&log](const char* name) {
        return [&log, name](TL8_&, Berichtsnotiz* n) { log << QStringLiteral("%1(s%2)").arg(name).arg(n->seite); };
    };
    auto ergebnis = [&log](const char* name) {
        return [&log, name](TL8_&, Berichtsnotiz* n, int& r) {
            log << QStringLiteral("%1(s%2,%3)").arg(name).arg(n->seite).arg(r);
        };
    };
    l.OnTableField = notiz("OnTableField");
    l.OnTableLine = notiz("OnTableLine");
    l.OnDrawUserobj = notiz("OnDrawUserobj");
    l.OnEditUserobj = notiz("OnEditUserobj");
    l.OnPage = notiz("OnPage");
    l.OnProject = notiz("OnProject");
    l.OnObject = ergebnis("OnObject");
    l.OnGroupBegin = ergebnis("OnGroupBegin");
    l.OnGroupEnd = ergebnis("OnGroupEnd");
    l.OnGroupLine = ergebnis("OnGroupLine");
    l.OnExtFct = notiz("OnExtFct");
    l.OnFailsFilter = [&log](TL8_&) { log << "OnFailsFilter()"; };
    l.OnHelp = [&log](TL8_&, int befehl, int kontext, int& r) {
        log << QStringLiteral("OnHelp(%1,%2,%3)").arg(befehl).arg(kontext).arg(r);
    };
    l.OnEnableMenu = [&log](TL8_&, int menue) { log << QStringLiteral("OnEnableMenu(%1)").arg(menue); };
    l.OnModifyMenu = [&log](TL8_&, int menue) { log << QStringLiteral("OnModifyMenu(%1)").arg(menue); };
    l.OnSelectMenu = [&log](TL8_&, int id, int& r) { log << QStringLiteral("OnSelectMenu(%1,%2)").arg(id).arg(r); };
    l.OnGetViewerButtonState = [&log](TL8_&, int id, int zustand, int& r) {
        log << QStringLiteral("OnGetViewerButtonState(%1,%2,%3)").arg(id).arg(zustand).arg(r);
    };
    l.OnViewerButtonClicked = [&log](TL8_&, int id, int& r) {
        log << QStringLiteral("OnViewerButtonClicked(%1,%2)").arg(id).arg(r);
    };
    l.OnVarHelpText = [&log](TL8_&, const QString& name, QString& hilfe) {
        log << QStringLiteral("OnVarHelpText(%1)").arg(name);
        hilfe = "Hilfe zu " + name;
    };
    l.OnNtfyProgress = notiz("OnNtfyProgress");
    l.OnHostPrinter = ergebnis("OnHostPrinter");
    l.OnDlgExprVarBtn = ergebnis("OnDlgExprVarBtn");
}

TEST_F(L8Test, BenachrichtigungenGehenJeNummerAnIhrEreignis)
{
    struct Fall {
        int id;
        int parameter;
        E flagge;
        const char* soll;  // what the handler gets
        qintptr ergebnis;  // the default result
    };
    const Fall faelle[] = {
        {0, 0, E::EnableDrawUserobjEvent, "OnDrawUserobj(s7)", 0},
        {1, 0, E::EnableEditUserobjEvent, "OnEditUserobj(s7)", 0},
        {10, 0, E::EnableTableLineEvent, "OnTableLine(s7)", 0},
        {11, 0, E::EnableTableFieldEvent, "OnTableField(s7)", 0},
        {12, 0, E::EnableExtFctEvent, "OnExtFct(s7)", 0},
        {20, 0, E::EnableObjectEvent, "OnObject(s7,0)", 0},
        {21, 0, E::EnablePageEvent, "OnPage(s7)", 0},
        {22, 0, E::EnableProjectEvent, "OnProject(s7)", 0},
        {23, 0, E::EnableGroupBeginEvent, "OnGroupBegin(s7,2)", 2},
        {24, 0, E::EnableGroupEndEvent, "OnGroupEnd(s7,0)", 0},
        {25, 0, E::EnableGroupLineEvent, "OnGroupLine(s7,2)", 2},
        // 0x00030005: command 3 in the high word, context 5 in the low one.
        {30, 0x00030005, E::EnableHelpCallbackEvent, "OnHelp(3,5,0)", 0},
        {30, int(0xFFFF0001u), E::EnableHelpCallbackEvent, "OnHelp(65535,1,0)", 0},
        {31, 0x1234, E::EnableEnableMenuEvent, "OnEnableMenu(4660)", 0},
        {32, 0x4321, E::EnableModifyMenuEvent, "OnModifyMenu(17185)", 0},
        {33, 0x70005, E::EnableSelectMenuEvent, "OnSelectMenu(458757,0)", 0},
        {34, 0x00020001, E::EnableGetViewerButtonStateEvent, "OnGetViewerButtonState(2,1,0)", 0},
        {37, 0, E::EnableNtfyProgressEvent, "OnNtfyProgress(s7)", 0},
        // 0x00070009: the button is the low word.
        {38, 0x00070009, E::EnableViewerButtonClickedEvent, "OnViewerButtonClicked(9,0)", 0},
        {39, 0, E::EnableDlgExprVarBtnEvent, "OnDlgExprVarBtn(s7,0)", 0},
        {40, 0, E::EnableHostPrinterEvent, "OnHostPrinter(s7,0)", 0},
        {1000, 0, E::EnableFailsFilterEvent, "OnFailsFilter()", 0},
    };
    TL8_& l = neu();
    QStringList log;
    AlleNotizereignisse(l, log);
    Berichtsnotiz notiz;
    notiz.seite = 7;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.soll);
        log.clear();
        l.setEigenschaft(f.flagge, 0);
        EXPECT_EQ(l.LlCallback(f.id, f.parameter, &notiz), 0);  // without its flag: nothing
        EXPECT_TRUE(log.isEmpty());
        l.setEigenschaft(f.flagge, 1);
        EXPECT_EQ(l.LlCallback(f.id, f.parameter, &notiz), f.ergebnis);
        EXPECT_EQ(log, QStringList{f.soll});
        l.setEigenschaft(f.flagge, 0);
    }

    // A result the handler sets comes back.
    l.setEigenschaft(E::EnableGroupLineEvent, 1);
    l.OnGroupLine = [](TL8_&, Berichtsnotiz*, int& r) { r = 5; };
    EXPECT_EQ(l.LlCallback(25, 0, &notiz), 5);

    // The help text: the buffer's address, holding the handler's text (at most 1023 characters).
    log.clear();
    notiz.name = "Wettkampf.Datum";
    l.setEigenschaft(E::EnableVarHelpTextEvent, 1);
    TL8_::HelpTextBuffer() = "alt";
    const qintptr adresse = l.LlCallback(35, 0, &notiz);
    EXPECT_EQ(adresse, reinterpret_cast<qintptr>(&TL8_::HelpTextBuffer()));
    EXPECT_EQ(TL8_::HelpTextBuffer(), "Hilfe zu Wettkampf.Datum");
    EXPECT_EQ(log, QStringList{"OnVarHelpText(Wettkampf.Datum)"});
    l.OnVarHelpText = [](TL8_&, const QString&, QString& hilfe) { hilfe = QString(2000, u'x'); };
    l.LlCallback(35, 0, &notiz);
    EXPECT_EQ(TL8_::HelpTextBuffer().size(), 1023);
    l.setEigenschaft(E::EnableVarHelpTextEvent, 0);
    EXPECT_EQ(l.LlCallback(35, 0, &notiz), 0);

    // Ids of no event, and a flag without its handler.
    for (int f = 0; f < L8EigenschaftAnzahl; ++f) l.setEigenschaft(static_cast<E>(f), 1);
    log.clear();
    for (int id : {2, 9, 13, 19, 26, 29, 36, 41, 999, 1001, -1}) EXPECT_EQ(l.LlCallback(id, 0x10001, &notiz), 0) << id;
    EXPECT_TRUE(log.isEmpty());
    l.OnGroupBegin = nullptr;
    EXPECT_EQ(l.LlCallback(23, 0, &notiz), 0);
}

TEST_F(L8Test, DerAuftragMeldetSeineBenachrichtigungenDerKomponente)
{
    // Registered with the job at construction: the engine's notification reaches the event.
    TL8_& l = neu();
    ASSERT_TRUE(fake.rueckrufe.contains(1));
    int seiten = 0;
    l.OnPage = [&seiten](TL8_&, Berichtsnotiz*) { ++seiten; };
    Berichtsnotiz notiz;
    fake.rueckrufe[1](NotizSeite, 0, &notiz);
    EXPECT_EQ(seiten, 0);
    l.setEigenschaft(E::EnablePageEvent, 1);
    fake.rueckrufe[1](NotizSeite, 0, &notiz);
    EXPECT_EQ(seiten, 1);
}

// The job's filter lets through what would reach a handler: a notification
// the engine raises only with its handler bound and its flag set; the others
// always, as the callback decides them itself.
TEST_F(L8Test, DerFilterNimmtNurWasEinenHandlerErreicht)
{
    TL8_& l = neu();
    ASSERT_TRUE(fake.hoerer.contains(1));
    const Berichtshoerer hoert = fake.hoerer[1];
    const TL8_::NotizEvent notiz = [](TL8_&, Berichtsnotiz*) {};
    const struct {
        int id;
        E flagge;
        std::function<void(bool)> binden;
    } faelle[] = {
        {NotizTabellenzeile, E::EnableTableLineEvent, [&](bool b) { l.OnTableLine = b ? notiz : TL8_::NotizEvent{}; }},
        {NotizTabellenfeld, E::EnableTableFieldEvent, [&](bool b) { l.OnTableField = b ? notiz : TL8_::NotizEvent{}; }},
        {NotizSeite, E::EnablePageEvent, [&](bool b) { l.OnPage = b ? notiz : TL8_::NotizEvent{}; }},
        {NotizProjekt, E::EnableProjectEvent, [&](bool b) { l.OnProject = b ? notiz : TL8_::NotizEvent{}; }},
        {NotizFortschritt, E::EnableNtfyProgressEvent, [&](bool b) { l.OnNtfyProgress = b ? notiz : TL8_::NotizEvent{}; }},
        {NotizObjekt, E::EnableObjectEvent,
         [&](bool b) { l.OnObject = b ? [](TL8_&, Berichtsnotiz*, int&) {} : TL8_::NotizErgebnisEvent{}; }},
    };
    for (const auto& f : faelle) {
        f.binden(false);
        l.setEigenschaft(f.flagge, 1);
        EXPECT_FALSE(hoert(f.id)) << f.id << " without a handler";
        f.binden(true);
        l.setEigenschaft(f.flagge, 0);
        EXPECT_FALSE(hoert(f.id)) << f.id << " with its flag clear";
        l.setEigenschaft(f.flagge, 1);
        EXPECT_TRUE(hoert(f.id)) << f.id;
    }
    for (int id : {0, 1, 12, 23, 30, 35, 1000}) EXPECT_TRUE(hoert(id)) << id;
}

TEST_F(L8Test, DialogstilAusBasisUndFlaggenBeiJederAenderung)
{
    // Construction: Win95 (base 9), then 3D buttons on; buttons with
    // pictures No sets 0x2000 from the first update on.
    TL8_ l(fake);
    EXPECT_EQ(fake.zeilen({"LlSetDlgboxMode"}),
              (QStringList{"LlSetDlgboxMode(0x9)", "LlSetDlgboxMode(0xa009)", "LlSetDlgboxMode(0xa009)"}));
    struct Schritt {
        E e;
        int wert;
        const char* soll;  // the one call, or none
    };
    const Schritt schritte[] = {
        {E::Buttons3D, TL8_::No, "LlSetDlgboxMode(0x2009)"},
        {E::ButtonsWithBitmaps, TL8_::Yes, "LlSetDlgboxMode(0x9)"},
        {E::DialogBoxMode, TL8_::Win16, "LlSetDlgboxMode(0x1)"},
        {E::Buttons3D, TL8_::Yes, "LlSetDlgboxMode(0x8001)"},
        {E::DialogBoxMode, TL8_::Office97, "LlSetDlgboxMode(0x800a)"},
        {E::ButtonsWithBitmaps, TL8_::No, "LlSetDlgboxMode(0xa00a)"},
        {E::DialogBoxMode, TL8_::combit3, "LlSetDlgboxMode(0xa004)"},
        {E::DialogBoxMode, TL8_::combit3, "LlSetDlgboxMode(0xa004)"},
        {E::DialogBoxMode, 10, nullptr},
        {E::DialogBoxMode, -1, nullptr},
    };
    for (const Schritt& s : schritte) {
        fake.protokoll.clear();
        l.setEigenschaft(s.e, s.wert);
        EXPECT_EQ(fake.zeilen(), s.soll ? QStringList{s.soll} : QStringList{}) << int(s.e) << " " << s.wert;
    }
    EXPECT_EQ(l.Eigenschaft(E::DialogBoxMode), TL8_::combit3);
    EXPECT_EQ(l.DialogBase(), 4);
    EXPECT_EQ(l.DialogFlags(), 0xa000);

    fake.protokoll.clear();
    l.setEigenschaft(E::DebugMode, 3);
    EXPECT_EQ(fake.zeilen(), QStringList{"LlSetDebug(3)"});
    EXPECT_EQ(l.Eigenschaft(E::DebugMode), 3);
}

TEST_F(L8Test, SprachwechselBehaeltJedenWert)
{
    // Every property set away from its default, by hand.
    const std::pair<E, int> werte[] = {
        {E::EnableTableFieldEvent, 1}, {E::TableColoringMode, TL8_::Normal},  // the colouring chosen after the flag
        {E::NewExpressions, TL8_::Old}, {E::OnlyOneTable, 1}, {E::Supervisor, 1}, {E::UnitSystem, TL8_::HiInch},
        {E::TabStops, TL8_::Expand}, {E::EnablePageEvent, 1}, {E::EnableProjectEvent, 1}, {E::EnableObjectEvent, 1},
        {E::EnableHelpCallbackEvent, 1}, {E::HelpAvailable, 0}, {E::SortVariables, 0}, {E::SupportPageBreak, 1},
        {E::ShowPredefVars, 0}, {E::UseHostprinter, 1}, {E::EnableHostPrinterEvent, 1}, {E::TabRepresentationCode, 9},
        {E::AddVarsToFields, 1}, {E::MultipleTableLines, 0}, {E::ConvertCRLF, 1}, {E::WizFileNew, 1},
        {E::RetRepresentationCode, 13}, {E::StorageSystem, TL8_::Storage}, {E::CompressStorage, 1},
        {E::NoParameterCheck, 1}, {E::NoNoTableCheck, 1}, {E::EnableDlgExprVarBtnEvent, 1},
        {E::SpaceOptimization, 0}, {E::RealTime, 1}, {E::AutoMultipage, 0}, {E::UseBarcodeSizes, 1},
        {E::VarsCaseSensitive, 0}, {E::DelayTableHeader, 1}, {E::OfnDialogExplorer, 0}, {E::EMFResolution, 300},
        {E::CreateInfo, 0}, {E::XlatVarNames, 0}, {E::PhantomspaceRepresentationCode, 5},
        {E::LocknextcharRepresentationCode, 6}, {E::ExprsepRepresentationCode, 7}, {E::AllowMenuManager, 0},
        {E::TextquoteRepresentationCode, 8}, {E::InterCharSpacing, 1}, {E::IncludeFontDescent, 1},
        {E::UseChartFields, 1}, {E::EnableTableLineEvent, 1}, {E::EnableDrawUserobjEvent, 1},
        {E::EnableEditUserobjEvent, 1}, {E::EnableGroupBeginEvent, 1}, {E::EnableGroupEndEvent, 1},
        {E::EnableGroupLineEvent, 1}, {E::EnableExtFctEvent, 1}, {E::EnableFailsFilterEvent, 1},
        {E::EnableEnableMenuEvent, 1}, {E::EnableModifyMenuEvent, 1}, {E::EnableSelectMenuEvent, 1},
        {E::EnableGetViewerButtonStateEvent, 1}, {E::EnableViewerButtonClickedEvent, 1},
        {E::EnableVarHelpTextEvent, 1}, {E::EnableNtfyProgressEvent, 1}, {E::DialogBoxMode, TL8_::combit2},
        {E::Buttons3D, TL8_::No}, {E::ButtonsWithBitmaps, TL8_::Yes}, {E::DebugMode, 3},
    };
    ASSERT_EQ(int(std::size(werte)), L8EigenschaftAnzahl);
    TL8_& l = neu();
    for (auto [e, wert] : werte) l.setEigenschaft(e, wert);
    l.MaxRTFVersion = 512;
    l.EnableDefineFieldsEvent = true;
    fake.protokoll.clear();

    l.setLanguage(TL8_::English);
    ASSERT_EQ(l.hLlJob(), 2);
    for (auto [e, wert] : werte) EXPECT_EQ(l.Eigenschaft(e), wert) << int(e);
    EXPECT_EQ(l.MaxRTFVersion, 512);
    EXPECT_TRUE(l.EnableDefineFieldsEvent);
    EXPECT_FALSE(l.EnableDefineVariablesEvent);
    // combit2: base 3; no 3D buttons, buttons with pictures: no flags.
    EXPECT_EQ(l.DialogBase(), 3);
    EXPECT_EQ(l.DialogFlags(), 0);
    EXPECT_EQ(fake.dialogModus, 3);
    EXPECT_EQ(fake.debug, 3);
    // The new job has the callback and the options.
    EXPECT_EQ(fake.zeilen({"LlSetNotificationCallback"}), QStringList{"LlSetNotificationCallback(2,1)"});
    const QMap<int, int>& o = fake.optionen;
    for (auto [nr, wert] : {std::pair{6, 0x78000000}, {13, 1}, {39, 1}, {2, 0}, {0, 0}, {31, 1}, {49, 300}, {66, 8}})
        EXPECT_EQ(o.value(nr, -1), wert) << nr;
    int seiten = 0;
    l.OnPage = [&seiten](TL8_&, Berichtsnotiz*) { ++seiten; };
    Berichtsnotiz notiz;
    fake.rueckrufe[2](NotizSeite, 0, &notiz);
    EXPECT_EQ(seiten, 1);
}

// A list project in `ordner`: a title and a table of name and pass, 9 rows a page.
QString Spielerliste(const QTemporaryDir& ordner)
{
    const QString projekt = ordner.filePath("Spielerdaten.lst");
    QFile f(projekt);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(R"({"format": "corvalink-berichtsprojekt", "version": 1, "typ": "liste",
        "seite": {"format": "A4", "ausrichtung": "hoch"}, "objekte": [
        {"art": "text", "rechteck_mm": [10, 10, 190, 8], "text": "Spielerliste"},
        {"art": "tabelle", "rechteck_mm": [10, 20, 190, 63], "zeilenhoehe_mm": 6, "kopf": true,
         "spalten": [{"titel": "Name", "breite_mm": 100, "inhalt": "{Spieler.Name}"},
                     {"titel": "Pass", "breite_mm": 90, "inhalt": "{Spieler.Pass}"}]}]})");
    return projekt;
}

// The fields event of a list of `anzahl` players ("Spieler <n>", pass 1000 + n).
TL8_::DefineEvent Spielerfelder(int& zeile, int anzahl)
{
    return [&zeile, anzahl](TL8_& ll, int, int dummy, int* prozent, int* letzter, int&) {
        if (dummy) return;
        ++zeile;
        ll.LlDefineFieldExt("Spieler.Name", QStringLiteral("Spieler %1").arg(zeile), WerttypText);
        ll.LlDefineFieldExt("Spieler.Pass", QString::number(1000 + zeile), WerttypText);
        *prozent = zeile * 100 / anzahl;
        if (zeile == anzahl) *letzter = 1;
    };
}

// The rows of each page of a preview file.
QList<QList<QStringList>> Tabellenzeilen(const QString& vorschau)
{
    QList<QList<QStringList>> seiten;
    QString fehler;
    const auto gelesen = VorschaudateiLesen(vorschau, &fehler);
    if (!gelesen) return seiten;
    for (const Berichtsseite& s : *gelesen) {
        seiten.append(QList<QStringList>{});
        for (const Berichtselement& e : s.elemente)
            if (e.art == Berichtselement::Art::Tabelle) seiten.last() += e.zeilen;
    }
    return seiten;
}

// Our own engine: a list of 25 players over three pages (9 rows a page),
// into a preview file, so no printer is needed.
TEST_F(L8Test, ListeUeberDreiSeitenMeldetJedeSeite)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString projekt = Spielerliste(ordner);
    ASSERT_FALSE(projekt.isEmpty());
    EigeneBerichtsmaschine maschine;
    TL8_ l(maschine);
    l.EnableDefineFieldsEvent = true;
    int zeile = 0;
    l.OnDefineFields = Spielerfelder(zeile, 25);
    QStringList log;
    AlleNotizereignisse(l, log);
    auto drucken = [&] {
        zeile = 0;
        log.clear();
        return l.Print(1, ProjekttypListe, projekt, false, AusgabeVorschaudatei, 0, nullptr, "Liste", false, {});
    };

    // Every flag clear: the handlers hear nothing.
    ASSERT_EQ(drucken(), 0);
    EXPECT_EQ(log, QStringList{});

    for (E e : {E::EnablePageEvent, E::EnableProjectEvent, E::EnableObjectEvent, E::EnableTableLineEvent,
                E::EnableTableFieldEvent, E::EnableNtfyProgressEvent})
        l.setEigenschaft(e, 1);
    ASSERT_EQ(drucken(), 0);
    QString fehler;
    const auto seiten = VorschaudateiLesen(ordner.filePath("Spielerdaten.ll"), &fehler);
    ASSERT_TRUE(seiten) << fehler.toStdString();
    EXPECT_EQ(seiten->size(), 3);
    EXPECT_EQ(log.filter("OnPage"), (QStringList{"OnPage(s1)", "OnPage(s2)", "OnPage(s3)"}));
    EXPECT_EQ(log.filter("OnProject"), QStringList{"OnProject(s0)"});
    // Two objects a page; a row and its two cells for each of the 25
    // players; progress for each of the 27 rows passed (rows 10 and 19
    // twice: they did not fit).
    EXPECT_EQ(log.filter("OnObject").size(), 6);
    EXPECT_EQ(log.filter("OnTableLine").size(), 25);
    EXPECT_EQ(log.filter("OnTableField").size(), 50);
    EXPECT_EQ(log.filter("OnNtfyProgress").size(), 27);
    EXPECT_EQ(log.size(), 3 + 1 + 6 + 25 + 50 + 27);
    // The session, the first page with its two objects, then the first row.
    EXPECT_EQ(log.mid(0, 7), (QStringList{"OnProject(s0)", "OnPage(s1)", "OnObject(s1,0)", "OnObject(s1,0)",
                                          "OnNtfyProgress(s1)", "OnTableLine(s1)", "OnTableField(s1)"}));

    // The page event alone cleared: three pages, no page event.
    l.setEigenschaft(E::EnablePageEvent, 0);
    ASSERT_EQ(drucken(), 0);
    EXPECT_EQ(log.filter("OnPage"), QStringList{});
    EXPECT_EQ(log.filter("OnObject").size(), 6);
}

// A handler that calls back into the print it is told of (once a
// notification, never from inside its own call): the call returns the
// engine's error, and the print goes on as it was, 25 players on three
// pages of 9, 9 and 7 rows.
TEST_F(L8Test, EinHandlerTreibtDenLaufendenDruckNichtWeiter)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString projekt = Spielerliste(ordner);
    ASSERT_FALSE(projekt.isEmpty());
    QList<QList<QStringList>> soll;
    for (int seite = 0, nr = 1; seite < 3; ++seite) {
        soll.append(QList<QStringList>{});
        for (int i = 0; i < (seite < 2 ? 9 : 7); ++i, ++nr)
            soll.last().append({QStringLiteral("Spieler %1").arg(nr), QString::number(1000 + nr)});
    }

    struct Fall {
        const char* name;
        E flagge;
        TL8_::NotizEvent TL8_::*ereignis;
        std::function<int(TL8_&, Berichtsmaschine&)> aufruf;  // the component has no LlPrintFields
    };
    const Fall faelle[] = {
        {"OnPage: LlPrint", E::EnablePageEvent, &TL8_::OnPage, [](TL8_& ll, Berichtsmaschine&) { return ll.LlPrint(); }},
        {"OnNtfyProgress: LlPrintSetBoxText", E::EnableNtfyProgressEvent, &TL8_::OnNtfyProgress,
         [](TL8_& ll, Berichtsmaschine&) { return ll.LlPrintSetBoxText("Handler", 50); }},
        {"OnTableLine: LlPrintFields", E::EnableTableLineEvent, &TL8_::OnTableLine,
         [](TL8_& ll, Berichtsmaschine& m) { return m.LlPrintFields(ll.hLlJob()); }},
        {"OnTableField: LlPrintFields", E::EnableTableFieldEvent, &TL8_::OnTableField,
         [](TL8_& ll, Berichtsmaschine& m) { return m.LlPrintFields(ll.hLlJob()); }},
        {"OnPage: LlPrintStart", E::EnablePageEvent, &TL8_::OnPage,
         [projekt](TL8_& ll, Berichtsmaschine&) { return ll.LlPrintStart(ProjekttypListe, projekt, AusgabeVorschaudatei); }},
        {"OnNtfyProgress: LlPrintStart", E::EnableNtfyProgressEvent, &TL8_::OnNtfyProgress,
         [projekt](TL8_& ll, Berichtsmaschine&) { return ll.LlPrintStart(ProjekttypListe, projekt, AusgabeVorschaudatei); }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EigeneBerichtsmaschine maschine;
        TL8_ l(maschine);
        l.EnableDefineFieldsEvent = true;
        int zeile = 0;
        l.OnDefineFields = Spielerfelder(zeile, 25);
        l.setEigenschaft(f.flagge, 1);
        QList<int> ergebnisse;
        QStringList fehler;
        bool imAufruf = false;
        l.*f.ereignis = [&](TL8_& ll, Berichtsnotiz*) {
            if (imAufruf) return;
            imAufruf = true;
            ergebnisse << f.aufruf(ll, maschine);
            fehler << ll.LlGetErrortext();
            imAufruf = false;
        };
        EXPECT_EQ(l.Print(1, ProjekttypListe, projekt, false, AusgabeVorschaudatei, 0, nullptr, "Liste", false, {}),
                  BerichtOk);
        ASSERT_FALSE(ergebnisse.isEmpty());
        EXPECT_EQ(ergebnisse, QList<int>(ergebnisse.size(), BerichtFehler));
        EXPECT_FALSE(fehler.contains(QString()));
        EXPECT_EQ(zeile, 25);
        EXPECT_EQ(Tabellenzeilen(ordner.filePath("Spielerdaten.ll")), soll);
        QFile::remove(ordner.filePath("Spielerdaten.ll"));
    }
}

}  // namespace
