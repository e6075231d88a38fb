// Layouts 7 (portrait, one block per starter and his substitutes) and 8
// (two lines per player, substitution lines), on the recording canvas. The
// default font is 30 points = 40 pixels, so a text whose bottom stands on y
// is drawn at y - 40.

#include "report/formulare/Formular.h"
#include "support/Aufzeichnungsleinwand.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Formular7bis8 : public ::testing::Test {
protected:
    std::unique_ptr<TWettkampfDaten> w = std::make_unique<TWettkampfDaten>();

    Formularkontext kontext(int index) const
    {
        Formularkontext k;
        k.index = index;
        k.spielort = QStringLiteral("Musterstadt");
        k.bahnanlage = QStringLiteral("Halle Nord");
        return k;
    }
    Aufzeichnungsleinwand zeichnen(int index)
    {
        Aufzeichnungsleinwand l;
        FormularTexteZeichnen(l, *w, kontext(index));
        return l;
    }
    TSpielerEintrag& spieler(int nr) { return w->Spieler[nr]; }
    // Lane d of a player: misses, Abräumen, Volle and their total.
    void bahn(int nr, int d, int fehler, int abr, int volle)
    {
        TDurchgangBlock& b = spieler(nr).Durchgang[d];
        b.Fehler.Zahl = u16(fehler);
        b.Abr.Zahl = u16(abr);
        b.Volle.Zahl = u16(volle);
        b.Total.Zahl = u16(abr + volle);
    }
    void ersetzt(int alt, int neu)
    {
        spieler(alt).ErsetztDurch = u8(neu);
        spieler(neu).Ersatz = u8(alt);
    }
    void kopf()
    {
        w->Land = "Deutschland";
        w->Datum = "12.03.24";
        w->Beginn = "14:00";
        w->Ende = "18:35";
        w->Spielnummer = "4711";
        w->Klasse = "Landesliga";
        w->Heimmannschaft = "KSV Nord 1";
        w->Gastmannschaft = "SG Sued";
        w->Schiedsrichter = "Hans Pfiff";
        w->Mannschaftsfuehrer[1] = "Anna Heim";
        w->Mannschaftsfuehrer[2] = "Bert Gast";
    }
};

// --- Layout 7 ---------------------------------------------------------------------------

TEST_F(Formular7bis8, Layout7Header)
{
    kopf();
    for (bool beendet : {false, true}) {
        w->Beendet = beendet;
        const Aufzeichnungsleinwand l = zeichnen(7);
        EXPECT_EQ(l.an(1360, 256), QStringList{"Musterstadt"});
        EXPECT_EQ(l.an(2040, 256), QStringList{"Deutschland"});
        EXPECT_EQ(l.an(1360, 356), QStringList{"12.03.24"});
        EXPECT_EQ(l.an(1740, 356), QStringList{"14:00"});
        EXPECT_EQ(l.an(2140, 356), beendet ? QStringList{"18:35"} : QStringList{});
        EXPECT_EQ(l.an(1490, 456), QStringList{"Halle Nord"});
        EXPECT_EQ(l.an(540, 650), QStringList{"KSV Nord 1"});
        EXPECT_EQ(l.an(1740, 650), QStringList{"SG Sued"});
        EXPECT_EQ(l.an(180, 3060), QStringList{"Anna Heim"});
        EXPECT_EQ(l.an(1576, 3060), QStringList{"Bert Gast"});
    }
}

TEST_F(Formular7bis8, Layout7Crosses)
{
    const struct {
        const char16_t* gruppe;
        const char16_t* art;
        bool sv1, sv2;
        QList<QPoint> kreuze;
    } faelle[] = {
        {u"Herren", u"Clubspiel", false, false, {{1110, 204}, {660, 254}}},
        {u"Damen", u"Länderspiel", false, false, {{1110, 254}, {660, 304}}},
        {u"Junioren", u"CL-League", false, false, {{1110, 304}, {660, 354}}},
        {u"Juniorinnen", u"Pokalspiel", true, false, {{1110, 354}, {660, 204}, {660, 404}}},
        {u"Jugend männl", u"", false, true, {{1110, 404}, {660, 204}, {660, 454}}},
        {u"Jugend weibl", u"Clubspiel", true, true, {{1110, 454}, {660, 254}, {660, 404}, {660, 454}}},
        {u"Senioren", u"Clubspiel", false, false, {{660, 254}}},
    };
    for (const auto& f : faelle) {
        w->Gruppe.setzenText(QString::fromUtf16(f.gruppe));
        w->Spielart.setzenText(QString::fromUtf16(f.art));
        w->SVictory1Spiel = f.sv1;
        w->SVictory2Spiele = f.sv2;
        EXPECT_EQ(zeichnen(7).kreuze(), f.kreuze) << QString::fromUtf16(f.gruppe).toStdString();
    }
}

// Row 2 of the home side: starter 2, replaced by 7, who was replaced by 8.
// Lines of the block bottom at 1110, 1160, ... 1360 (drawn 40 higher).
TEST_F(Formular7bis8, Layout7BlockWithSubstituteChain)
{
    w->Spieleranzahl = 4;
    spieler(2).Name = "Erika Musterfrau-Langenbach-Oberdorf";
    spieler(2).Pass = "123456";
    spieler(2).Gebdat = "05.07.85";
    spieler(7).Name = "Ersatz Eins";
    spieler(7).Pass = "222222";
    spieler(8).Name = "Ersatz Zwei";
    spieler(8).Pass = "333333";
    ersetzt(2, 7);
    ersetzt(7, 8);
    spieler(8).ErsetztDurch = 5;  // a fourth record is never summed
    bahn(2, 1, 3, 40, 100);
    bahn(7, 1, 1, 10, 20);
    bahn(8, 1, 2, 5, 30);
    bahn(5, 1, 100, 100, 100);
    bahn(2, 4, 0, 0, 0);
    spieler(2).Durchgang[1].SaP = 1.0f;
    spieler(2).Durchgang[4].SaP = 0.5f;
    spieler(7).Durchgang[1].SaP = 2.0f;  // only the starter's points count
    spieler(2).Fehler.Zahl = 9;
    spieler(7).Fehler.Zahl = 4;
    spieler(8).Fehler.Zahl = 1;
    spieler(2).Total.Zahl = 500;
    spieler(7).Total.Zahl = 60;
    spieler(8).Total.Zahl = 40;
    spieler(2).MaP = 1.0f;

    const Aufzeichnungsleinwand l = zeichnen(7);
    const Zeichnung* name = l.finde(QStringLiteral("Erika Musterfrau-Langenbach-Ob"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->art, Zeichnung::Geklippt);
    EXPECT_EQ(QPoint(name->x, name->y), QPoint(60, 1070));
    EXPECT_EQ(name->rahmen, QRect(QPoint(60, 1070), QPoint(490, 1120)));
    EXPECT_EQ(l.an(60, 1120), QStringList{"123456"});
    EXPECT_EQ(l.an(350, 1120), QStringList{"07 / 85"});
    EXPECT_EQ(l.an(60, 1170), QStringList{"Ersatz Eins"});
    EXPECT_EQ(l.an(60, 1220), QStringList{"222222"});
    EXPECT_EQ(l.an(60, 1270), QStringList{"Ersatz Zwei"});
    EXPECT_EQ(l.an(60, 1320), QStringList{"333333"});

    // Lane 1 summed over the three; lane 4 empty; the totals line.
    EXPECT_EQ(l.an(590, 1070), QStringList{"6"});
    EXPECT_EQ(l.an(690, 1070), QStringList{"55"});
    EXPECT_EQ(l.an(790, 1070), QStringList{"150"});
    EXPECT_EQ(l.an(915, 1070), QStringList{"205"});
    EXPECT_EQ(l.an(1010, 1070), QStringList{"1.0"});
    EXPECT_EQ(l.an(915, 1220), QStringList{"0"});
    EXPECT_EQ(l.an(1010, 1220), QStringList{"0.5"});
    EXPECT_EQ(l.an(590, 1270), QStringList{"14"});
    EXPECT_EQ(l.an(915, 1270), QStringList{"600"});
    EXPECT_EQ(l.an(1010, 1270), QStringList{"1.0"});
}

TEST_F(Formular7bis8, Layout7GuestBlockAndTeamSizes)
{
    for (int n = 1; n <= 16; ++n) spieler(n).Name.setzen(QByteArray("S") + QByteArray::number(n));
    const struct {
        int anzahl;
        bool fuenf, sechs;
    } faelle[] = {{4, false, false}, {5, true, false}, {6, true, true}};
    for (const auto& f : faelle) {
        w->Spieleranzahl = u16(f.anzahl);
        const Aufzeichnungsleinwand l = zeichnen(7);
        EXPECT_EQ(l.an(60, 1970), f.fuenf ? QStringList{"S5"} : QStringList{}) << f.anzahl;
        EXPECT_EQ(l.an(1262, 1970), f.fuenf ? QStringList{"S13"} : QStringList{}) << f.anzahl;
        EXPECT_EQ(l.an(60, 2270), f.sechs ? QStringList{"S6"} : QStringList{}) << f.anzahl;
        EXPECT_EQ(l.an(1262, 2270), f.sechs ? QStringList{"S14"} : QStringList{}) << f.anzahl;
        const Zeichnung* vier = l.finde(QStringLiteral("S12"));
        ASSERT_NE(vier, nullptr);
        EXPECT_EQ(QPoint(vier->x, vier->y), QPoint(1262, 1670));
        EXPECT_EQ(vier->rahmen, QRect(QPoint(1262, 1670), QPoint(1692, 1720)));
        // Substitutes who replaced nobody stand in no block.
        EXPECT_EQ(l.finde(QStringLiteral("S7")), nullptr);
        EXPECT_EQ(l.finde(QStringLiteral("S16")), nullptr);
    }
}

TEST_F(Formular7bis8, Layout7SideTotalsAndTablePoints)
{
    w->Heim.Fehler.Text = "23  ";
    w->Heim.Total.Text = "0345";
    w->Heim.TotalMaP = 5;
    w->Gast.Total.Text = "0000";
    w->Gast.TotalMaP = 3;
    const Aufzeichnungsleinwand l = zeichnen(7);
    EXPECT_EQ(l.an(590, 2590), QStringList{"23"});
    EXPECT_EQ(l.an(915, 2590), QStringList{"345"});
    EXPECT_EQ(l.an(2117, 2590), QStringList{"0"});
    EXPECT_EQ(l.an(1010, 2590), QStringList{"5.0"});
    EXPECT_EQ(l.an(2212, 2590), QStringList{"3.0"});
    EXPECT_EQ(l.an(1010, 2660), QStringList{"2"});
    EXPECT_EQ(l.an(2212, 2660), QStringList{"0"});
}

// --- Layout 8 ---------------------------------------------------------------------------

TEST_F(Formular7bis8, Layout8HeaderAndFoot)
{
    kopf();
    for (bool beendet : {false, true}) {
        w->Beendet = beendet;
        const Aufzeichnungsleinwand l = zeichnen(8);
        EXPECT_EQ(l.an(420, 222), QStringList{"4711"});
        EXPECT_EQ(l.an(420, 284), QStringList{"12.03.24"});
        EXPECT_EQ(l.an(420, 346), beendet ? QStringList{"14:00 bis 18:35"} : QStringList{});
        EXPECT_EQ(l.an(2000, 230), QStringList{"Landesliga"});
        EXPECT_EQ(l.an(2000, 290), QStringList{"Halle Nord"});
        EXPECT_EQ(l.an(2000, 350), QStringList{"Musterstadt"});
        EXPECT_EQ(l.an(200, 1820), QStringList{"KSV Nord 1"});
        EXPECT_EQ(l.an(2200, 1820), QStringList{"SG Sued"});
        EXPECT_EQ(l.an(200, 1960), QStringList{"Anna Heim"});
        EXPECT_EQ(l.an(2200, 1960), QStringList{"Bert Gast"});
        EXPECT_EQ(l.an(200, 2110), QStringList{"Hans Pfiff"});
    }
    for (const auto& [gruppe, kreuze] : {std::pair{"Damen", QList<QPoint>{{1350, 284}}},
                                         std::pair{"Herren", QList<QPoint>{{1350, 346}}},
                                         std::pair{"Jugend", QList<QPoint>{}}}) {
        w->Gruppe = gruppe;
        EXPECT_EQ(zeichnen(8).kreuze(), kreuze) << gruppe;
    }
}

TEST_F(Formular7bis8, Layout8TablePoints)
{
    const struct {
        float heim, gast;
        const char *tapHeim, *tapGast;
    } faelle[] = {{3, 5, "0", "2"}, {4, 4, "1", "1"}, {6, 2, "2", "0"}};
    for (const auto& f : faelle) {
        w->Heim.TotalMaP = f.heim;
        w->Gast.TotalMaP = f.gast;
        const Aufzeichnungsleinwand l = zeichnen(8);
        EXPECT_EQ(l.an(1600, 2158), QStringList{f.tapHeim});
        EXPECT_EQ(l.an(1840, 2158), QStringList{f.tapGast});
    }
}

// Row 3: first line bottom 736, second 800.
TEST_F(Formular7bis8, Layout8PlayerLinesWithChainSums)
{
    TSpielerEintrag& s = spieler(3);
    s.Name = "Karl Heinz Lang";
    s.Pass = "654321";
    s.Gebdat = "24.12.79";
    s.Platz = 4;
    s.Fehler.Zahl = 7;
    s.Total.Zahl = 480;
    ersetzt(3, 8);
    spieler(8).Fehler.Zahl = 2;
    spieler(8).Total.Zahl = 100;
    bahn(3, 1, 0, 40, 90);
    bahn(8, 1, 0, 5, 10);
    bahn(3, 4, 0, 33, 100);
    spieler(11).Name = "Gustav";  // guest row 3, not ranked

    const Aufzeichnungsleinwand l = zeichnen(8);
    EXPECT_EQ(l.an(180, 696), QStringList{"654321"});
    EXPECT_EQ(l.an(180, 760), QStringList{"12 / 79"});
    EXPECT_EQ(l.an(350, 696), QStringList{"4"});
    const Zeichnung* vorne = l.finde(QStringLiteral("Karl"));
    const Zeichnung* rest = l.finde(QStringLiteral("Heinz Lang"));
    ASSERT_TRUE(vorne && rest);
    EXPECT_EQ(vorne->rahmen, QRect(QPoint(400, 696), QPoint(832, 746)));
    EXPECT_EQ(QPoint(rest->x, rest->y), QPoint(400, 760));
    EXPECT_EQ(rest->rahmen, QRect(QPoint(400, 760), QPoint(832, 810)));
    EXPECT_EQ(l.an(928, 696), QStringList{"9"});
    EXPECT_EQ(l.an(1040, 696), QStringList{"145"});
    EXPECT_EQ(l.an(1040, 760), QStringList{"45"});
    EXPECT_EQ(l.an(1160, 696), QStringList{"0"});
    EXPECT_EQ(l.an(1400, 696), QStringList{"133"});
    EXPECT_EQ(l.an(1400, 760), QStringList{"33"});
    EXPECT_EQ(l.an(1545, 760), QStringList{"580"});

    const Zeichnung* gast = l.finde(QStringLiteral("Gustav"));
    ASSERT_NE(gast, nullptr);
    EXPECT_EQ(gast->rahmen, QRect(QPoint(2000, 696), QPoint(2432, 746)));
    EXPECT_TRUE(l.an(1950, 696).isEmpty());
}

TEST_F(Formular7bis8, Layout8TeamSizes)
{
    for (int n = 1; n <= 16; ++n) spieler(n).Pass.setzen(QByteArray("P") + QByteArray::number(n));
    for (int anzahl : {4, 5, 6}) {
        w->Spieleranzahl = u16(anzahl);
        const Aufzeichnungsleinwand l = zeichnen(8);
        EXPECT_EQ(l.an(180, 824), QStringList{"P4"});
        EXPECT_EQ(l.an(1780, 824), QStringList{"P12"});
        EXPECT_EQ(l.an(180, 952), anzahl > 4 ? QStringList{"P5"} : QStringList{}) << anzahl;
        EXPECT_EQ(l.an(1780, 1080), anzahl > 5 ? QStringList{"P14"} : QStringList{}) << anzahl;
        EXPECT_EQ(l.finde(QStringLiteral("P7")), nullptr);
    }
}

TEST_F(Formular7bis8, Layout8SubstitutionLines)
{
    spieler(2).Wurf.Zahl = 60;
    spieler(7).Wurf.Zahl = 30;
    spieler(11).Wurf.Zahl = 100;
    spieler(7).Ersatz = 2;
    spieler(8).Ersatz = 7;
    spieler(15).Ersatz = 11;
    spieler(16).Ersatz = 0;
    Aufzeichnungsleinwand l = zeichnen(8);
    EXPECT_EQ(l.an(900, 1410), QStringList{"ab 61 Wurf für Spieler 2"});
    EXPECT_EQ(l.an(900, 1490), QStringList{"ab 31 Wurf für Spieler 7"});
    EXPECT_EQ(l.an(2420, 1410), QStringList{"ab 101 Wurf für Spieler 11"});  // the number of Ersatz
    EXPECT_TRUE(l.an(2420, 1490).isEmpty());
    spieler(16).Ersatz = 9;
    spieler(9).Wurf.Zahl = 0;
    EXPECT_EQ(zeichnen(8).an(2420, 1490), QStringList{"ab 1 Wurf für Spieler 9"});

    // A number outside 1..16 from a damaged file prints no line.
    spieler(7).Ersatz = 17;
    spieler(16).Ersatz = 255;
    l = zeichnen(8);
    EXPECT_TRUE(l.an(900, 1410).isEmpty());
    EXPECT_TRUE(l.an(2420, 1490).isEmpty());
}

// --- The painted picture ----------------------------------------------------------------

// Dark pixels inside r: the filled form has the text, the blank form does not.
int DunklePunkte(const QImage& b, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += qGray(b.pixel(x, y)) < 128;
    return n;
}

TEST_F(Formular7bis8, PaintedPictures)
{
    w->Heimmannschaft = "WWWW";
    const struct {
        int index, breite, hoehe;
        QRect feld;  // where the home team's name stands
    } faelle[] = {{7, 2430, 3256, QRect(545, 655, 80, 30)}, {8, 3256, 2430, QRect(205, 1825, 80, 30)}};
    for (const auto& f : faelle) {
        const FormularBild b = FormularZeichnen(*w, kontext(f.index));
        ASSERT_EQ(b.bild.size(), QSize(f.breite, f.hoehe)) << f.index;
        EXPECT_GT(DunklePunkte(b.bild, f.feld), 100) << f.index;
        EXPECT_EQ(DunklePunkte(FormularVordruck(f.index), f.feld), 0) << f.index;
    }
}

}  // namespace
