#include "report/projekte/Berichtsvariablen.h"

#include "core/Globals.h"
#include "support/Einsetzen.h"
#include "support/QtDrucken.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr u32 TypText = 0x10000000;
constexpr u32 TypZahl = 0x08000000;
constexpr u32 TypLogisch = 0x02000000;

struct Soll {
    QString name;
    u32 typ;
};

// The names in their order, from the tables: match, home side, guest side,
// then each player leaf for HeimSpieler1..8 and GastSpieler1..8.
std::vector<Soll> Sollliste()
{
    std::vector<Soll> l;
    for (const char* b : {"Gruppe", "Spielart", "Spielnummer", "Klasse", "Schiedsrichter", "Land", "Bezirk", "Ort",
                          "Bahnanlage", "Datum", "Beginn", "Ende"})
        l.push_back({QStringLiteral("Wettkampf.") + b, TypText});
    for (const char* b : {"BahnenOk", "PaesseOk", "Protest", "Verletzungen", "Verwarnungen", "Sonstiges", "Anlagen"})
        l.push_back({QStringLiteral("Wettkampf.") + b, TypLogisch});
    for (const char* b : {"Name", "Anschrift", "Plz", "Ort", "Tel", "Fax", "Email", "Nr", "LV"})
        l.push_back({QStringLiteral("Wettkampf.Spielleiter.") + b, TypText});

    for (const char* seite : {"Heimmannschaft.", "Gastmannschaft."}) {
        l.push_back({QString(seite) + "Name", TypText});
        for (const char* b : {"Volle", "Abr", "Fehler", "Total", "SaP", "MaP", "ErgebnisMaP", "TotalMaP", "VorTotal",
                              "VorSaP", "VorMaP", "VorTaP"})
            l.push_back({QString(seite) + b, TypZahl});
        for (const char* b : {"Text1", "Text2", "Text3", "Text4", "Mannschaftsfuehrer", "FormularText1",
                              "FormularText2", "FormularText3", "FormularText4", "FormularText5"})
            l.push_back({QString(seite) + b, TypText});
    }

    auto jeder = [&](const QString& blatt, u32 typ, int von, int bis) {
        for (const char* seite : {"HeimSpieler", "GastSpieler"})
            for (int n = von; n <= bis; ++n) l.push_back({seite + QString::number(n) + '.' + blatt, typ});
    };
    const QStringList summen{"Volle", "Abr", "Fehler", "Total"};
    jeder("Name", TypText, 1, 8);
    jeder("Pass", TypText, 1, 8);
    jeder("Gebdat", TypText, 1, 8);
    for (int d = 1; d <= 4; ++d) jeder(QString("Durchgang%1.Bahn").arg(d), TypText, 1, 8);
    for (const QString& b : summen) jeder(b, TypZahl, 1, 8);
    for (int d = 1; d <= 4; ++d)
        for (const QString& b : summen) jeder(QString("Durchgang%1.").arg(d) + b, TypZahl, 1, 8);
    jeder("MaP", TypZahl, 1, 6);
    jeder("SaP", TypZahl, 1, 6);
    for (int d = 1; d <= 4; ++d) jeder(QString("Durchgang%1.SaP").arg(d), TypZahl, 1, 6);
    jeder("Ersatz", TypZahl, 7, 8);
    return l;
}

void NamenVergleichen(const std::vector<Soll>& soll, const QList<Berichtsvariable>& ist)
{
    ASSERT_EQ(ist.size(), qsizetype(soll.size()));
    for (std::size_t i = 0; i < soll.size(); ++i) {
        ASSERT_EQ(ist[qsizetype(i)].name, soll[i].name) << "at " << i;
        ASSERT_EQ(ist[qsizetype(i)].typ, soll[i].typ) << soll[i].name.toStdString();
    }
}

QString Wert(const QList<Berichtsvariable>& l, const QString& name)
{
    for (const Berichtsvariable& v : l)
        if (v.name == name) return v.wert;
    ADD_FAILURE() << "missing " << name.toStdString();
    return QStringLiteral("<fehlt>");
}

class LLVariablen : public ::testing::Test {
protected:
    void SetUp() override { GlobalsZuruecksetzen(); }
    void TearDown() override { GlobalsZuruecksetzen(); }

    std::unique_ptr<TWettkampfDaten> w = std::make_unique<TWettkampfDaten>();
};

TEST_F(LLVariablen, NamesOrderAndTypesOfBothDefinersFollowTheTables)
{
    const std::vector<Soll> soll = Sollliste();
    ASSERT_EQ(soll.size(), 582u);  // 28 match, 2 x 23 sides, 12 x 33 + 4 x 28 players
    NamenVergleichen(soll, LLVariablenBeispiel());
    NamenVergleichen(soll, LLVariablenDefinieren(*w));
    NamenVergleichen(soll, Berichtsvariablen(true, nullptr));
    EXPECT_TRUE(Berichtsvariablen(false, nullptr).isEmpty());
}

TEST_F(LLVariablen, ValuesOfTheGivenMatchNotOfTheCurrentOne)
{
    auto aktuell = std::make_unique<TWettkampfDaten>();
    aktuell->Klasse = "Kreisliga";
    aktuell->Spieler[1].Name = "Aktuell";
    AktWettkampf = aktuell.get();

    w->Klasse = "Landesliga";
    w->Datum = "01.02.26";
    w->BahnenOk = 1;
    w->Spielleiter.LV = "NBV";
    w->Heimmannschaft.setzenText(QStringLiteral("KV Köln 2"));
    w->Gastmannschaft = "SG Ost";
    w->Mannschaftsfuehrer[2] = "Frau Gast";
    w->Gast.Text[4] = "Bemerkung";
    w->FormularText[1] = "frei 1";
    w->FormularText[6] = "frei 6";
    w->FormularText[10] = "frei 10";
    w->Heim.Total.Text = "0412";
    w->Heim.Total.Zahl = 9999;  // the stored text counts, not the number
    w->Gast.VorTotal = "5321";
    w->Gast.VorTaP = -1;
    Spielort = QStringLiteral("Zwickau");
    Bahnanlage = QStringLiteral("Halle Süd");
    for (long nr = 1; nr <= 16; ++nr) {
        TSpielerEintrag& s = *w->SpielerZeiger[nr];
        s.Name = QString("Spieler %1").arg(nr).toLatin1().constData();
        for (long d = 1; d <= 4; ++d) s.Durchgang[d].Abr.Text = QString::number(nr * 10 + d).toLatin1().constData();
    }
    w->Spieler[16].Durchgang[3].Bahn = 12;
    w->Spieler[16].Ersatz = 11;
    w->Spieler[7].Total.Text = "0";  // a substitute who did not play

    const struct {
        const char* name;
        QString wert;
    } faelle[] = {
        {"Wettkampf.Klasse", "Landesliga"}, {"Wettkampf.Datum", "01.02.26"}, {"Wettkampf.Ort", "Zwickau"},
        {"Wettkampf.Bahnanlage", "Halle Süd"}, {"Wettkampf.BahnenOk", "T"}, {"Wettkampf.Protest", "F"},
        {"Wettkampf.Spielleiter.LV", "NBV"}, {"Heimmannschaft.Name", "KV Köln 2"},
        {"Gastmannschaft.Name", "SG Ost"}, {"Heimmannschaft.Mannschaftsfuehrer", ""},
        {"Gastmannschaft.Mannschaftsfuehrer", "Frau Gast"}, {"Gastmannschaft.Text4", "Bemerkung"},
        {"Heimmannschaft.FormularText1", "frei 1"}, {"Gastmannschaft.FormularText1", "frei 6"},
        {"Gastmannschaft.FormularText5", "frei 10"}, {"Heimmannschaft.Total", "0412"},
        {"Gastmannschaft.VorTotal", "5321"}, {"Gastmannschaft.VorTaP", "-1"},
        {"HeimSpieler1.Name", "Spieler 1"}, {"GastSpieler1.Name", "Spieler 9"},
        {"GastSpieler8.Durchgang4.Abr", "164"}, {"GastSpieler1.Durchgang1.Abr", "91"},
        {"HeimSpieler8.Durchgang2.Abr", "82"}, {"GastSpieler8.Durchgang3.Bahn", "12"},
        {"GastSpieler8.Durchgang2.Bahn", "0"}, {"GastSpieler8.Ersatz", "11"},
        {"HeimSpieler7.Ersatz", "0"}, {"HeimSpieler7.Volle", ""}, {"HeimSpieler7.Total", "0"},
    };
    const auto l = Berichtsvariablen(false, w.get());
    for (const auto& f : faelle) EXPECT_EQ(Wert(l, f.name), f.wert) << f.name;
}

TEST_F(LLVariablen, AnEmptyMatchGivesEmptyTextsButEveryVariable)
{
    const auto l = LLVariablenDefinieren(*w);
    ASSERT_EQ(l.size(), 582);
    for (const Berichtsvariable& v : l) {
        QString erwartet;
        // The lane number, not a text field; rows 5 and 6 are not played by
        // a match of four a side (the record's team size 0 counts as four).
        const bool gespielt = !v.name.contains("Spieler5.") && !v.name.contains("Spieler6.");
        if (v.name.endsWith(".Bahn") && gespielt)
            erwartet = "0";
        else if (v.typ == TypText)
            erwartet = "";
        else if (v.typ == TypLogisch)
            erwartet = "F";
        else
            continue;
        EXPECT_EQ(v.wert, erwartet) << v.name.toStdString();
    }
    EXPECT_EQ(Wert(l, "Heimmannschaft.Total"), "");
    EXPECT_EQ(Wert(l, "Heimmannschaft.SaP"), "0");
}

TEST_F(LLVariablen, PointsAreTheShortestFloatTextWithAPoint)
{
    const struct {
        f32 wert;
        const char* text;
    } faelle[] = {{0.5f, "0.5"}, {1.0f, "1"}, {0.1f, "0.1"}, {12.0f, "12"}, {0.0f, "0"},
                  {-0.0f, "0"},  {2.5f, "2.5"}, {1.0f / 3.0f, "0.33333334"}, {100000.0f, "100000"}};
    const QLocale vorher;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    w->Spieleranzahl = 6;  // guest player 6 plays
    for (const auto& f : faelle) {
        w->Heim.SaP = f.wert;
        w->Gast.VorMaP = f.wert;
        w->Spieler[14].Durchgang[2].SaP = f.wert;
        const auto l = LLVariablenDefinieren(*w);
        EXPECT_EQ(Wert(l, "Heimmannschaft.SaP"), f.text);
        EXPECT_EQ(Wert(l, "Gastmannschaft.VorMaP"), f.text);
        EXPECT_EQ(Wert(l, "GastSpieler6.Durchgang2.SaP"), f.text);
    }
    QLocale::setDefault(vorher);
}

TEST_F(LLVariablen, SamplesWithTodayAndNow)
{
    UhrEinsetzen uhr(FesteUhr(QDateTime(QDate(2026, 3, 5), QTime(9, 5, 7))));
    const auto l = LLVariablenBeispiel();
    const struct {
        const char* name;
        const char* wert;
    } faelle[] = {
        {"Wettkampf.Datum", "05.03.26"}, {"Wettkampf.Beginn", "09:05:07"}, {"Wettkampf.Ende", "09:05:07"},
        {"Wettkampf.Spielart", "0"}, {"Wettkampf.BahnenOk", "T"}, {"Wettkampf.Anlagen", "F"},
        {"Heimmannschaft.MaP", "2"}, {"Gastmannschaft.TotalMaP", "4"}, {"HeimSpieler1.Name", "Heimspieler 1"},
        {"GastSpieler8.Name", "Gastspieler 8"}, {"GastSpieler6.Durchgang4.SaP", "0.5"}, {"GastSpieler7.Ersatz", "0"},
    };
    for (const auto& f : faelle) EXPECT_EQ(Wert(l, f.name), f.wert) << f.name;
}

}  // namespace
