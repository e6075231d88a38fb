// Layouts 0 (half page, y = top of text), 1 (with the section's title) and 2
// (classic, players 7 and 8 on rows of their own). The font is the default
// Arial of 30 points: 40 pixels, so a text whose bottom is y is drawn at
// y - 40; size 24 is 32 pixels, size 40 is 53.

#include "report/formulare/Formularlayouts.h"
#include "support/Aufzeichnungsleinwand.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

using Art = Zeichnung::Art;

// Six a side; home players "Heim <n>" with pass 10000<n>, guests "Gast <n>" with 20000<n>.
std::unique_ptr<TWettkampfDaten> Spiel()
{
    auto w = std::make_unique<TWettkampfDaten>();
    w->Spieleranzahl = 6;
    w->Club = "KSC Nord";
    w->Heimmannschaft = "KSC Nord 1";
    w->Gastmannschaft.setzenText(QStringLiteral("SV Süd"));
    w->Land = "Hessen";
    w->Bezirk = "Mitte";
    w->Klasse = "Landesliga";
    w->Gruppe = "Herren";
    w->Spielart = "Clubspiel";
    w->Datum = "07.12.25";
    w->Beginn = "13:30";
    w->Ende = "17:45";
    w->Spielnummer = "12345";
    w->Schiedsrichter = "Meier";
    w->Spielleiter.Name = "Schulz";
    w->Spielleiter.Tel = "0611 4711";
    w->Mannschaftsfuehrer[1] = "Kapitaen Heim";
    w->Mannschaftsfuehrer[2] = "Kapitaen Gast";
    for (int i = 1; i <= 3; ++i) {
        w->Heim.Text[i].setzenText(QStringLiteral("Heim Bemerkung %1").arg(i));
        w->Gast.Text[i].setzenText(QStringLiteral("Gast Bemerkung %1").arg(i));
    }
    for (int nr = 1; nr <= MaxSpieler; ++nr) {
        TSpielerEintrag& s = *w->SpielerZeiger[nr];
        const bool heim = nr <= 8;
        const int n = heim ? nr : nr - 8;
        s.Name.setzenText((heim ? QStringLiteral("Heim %1") : QStringLiteral("Gast %1")).arg(n));
        s.Pass.setzenText(QString::number((heim ? 100000 : 200000) + n));
        s.Gebdat = "5.3.1985";  // the seventh character on: "85"
        s.Wurf.Text = "120";
        s.Volle.Text = "350";
        s.Abr.Text = "160";
        s.Fehler.Text = "  4";
        s.Total.Zahl = u16((heim ? 500 : 400) + n);
        s.Total.Text.setzenText(QString::number(s.Total.Zahl).rightJustified(4));
    }
    w->Heim.Volle.Text = "2100";
    w->Heim.Abr.Text = "0960";
    w->Heim.Fehler.Text = "0024";
    w->Heim.Total.Text = "03060";
    return w;
}

Formularkontext Kontext(int index)
{
    Formularkontext k;
    k.index = index;
    k.spielort = QStringLiteral("Musterstadt");
    k.bahnanlage = QStringLiteral("Kegelzentrum");
    k.sektion = QStringLiteral("Sektion Kegeln");
    return k;
}

Aufzeichnungsleinwand Zeichnen(TWettkampfDaten& w, int index)
{
    Aufzeichnungsleinwand l;
    const Formularkontext k = Kontext(index);
    l.schriftSetzen(k.schrift);
    void (*zeichnen[])(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&) = {Formular0Zeichnen, Formular1Zeichnen,
                                                                                        Formular2Zeichnen};
    zeichnen[index](l, w, k);
    return l;
}

// The drawing of exactly this kind, anchor and text; null when there is none.
const Zeichnung* Bei(const Aufzeichnungsleinwand& l, Art art, int x, int y, const QString& t)
{
    for (const Zeichnung& z : l.zeichnungen)
        if (z.art == art && z.x == x && z.y == y && z.text == t) return &z;
    return nullptr;
}

QList<QPoint> Kreuze(const Aufzeichnungsleinwand& l, int vonY, int bisY)
{
    QList<QPoint> k;
    for (const QPoint& p : l.kreuze())
        if (p.y() >= vonY && p.y() < bisY) k.append(p);
    return k;
}

TEST(Formular0bis2, HeadRemarksAndFoot)
{
    const struct {
        int layout, x, y;
        const char* text;
        int punkte;
    } texte[] = {
        {0, 100, 50, "KSC Nord", 64},
        {0, 1800, 120, "Musterstadt, den 07.12.25", 32},
        {0, 310, 224, "Mitte", 32},
        {0, 1020, 224, "Landesliga", 32},
        {0, 1550, 224, "Herren", 32},
        {0, 2230, 224, "12345", 32},
        {0, 310, 336, "KSC Nord 1 - SV Süd", 32},
        {0, 100, 1150, "Heim Bemerkung 1", 30},
        {0, 1372, 1270, "Gast Bemerkung 3", 30},
        {0, 880, 1520, "Meier", 30},
        {1, 900, 47, "Sektion Kegeln", 40},
        {1, 1800, 146, "Hessen  Mitte", 30},
        {1, 1800, 252, "Musterstadt", 30},
        {1, 2950, 252, "07.12.25", 30},
        {1, 1800, 358, "Kegelzentrum", 30},
        {1, 1800, 464, "13:30", 30},
        {1, 1800, 570, "Landesliga", 30},
        {1, 410, 660, "KSC Nord 1", 30},
        {1, 2080, 660, "SV Süd", 30},
        {1, 400, 1934, "Heim Bemerkung 1", 30},
        {1, 1730, 2074, "Gast Bemerkung 3", 30},
        {1, 1080, 2250, "Meier /Spielleiter: Schulz", 30},
        {2, 1800, 126, "Schulz", 30},
        {2, 1800, 186, "0611 4711", 30},
        {2, 1800, 252, "Hessen  Mitte", 30},
        {2, 1800, 338, "Musterstadt", 30},
        {2, 2950, 338, "07.12.25", 30},
        {2, 1800, 424, "Kegelzentrum", 30},
        {2, 1800, 510, "13:30", 30},
        {2, 1800, 596, "Landesliga", 30},
        {2, 410, 684, "KSC Nord 1", 30},
        {2, 2080, 684, "SV Süd", 30},
        {2, 1080, 2310, "Meier", 30},
        {2, 4, 2310, "Kapitaen Heim", 30},
        {2, 2246, 2310, "Kapitaen Gast", 30},
    };
    for (const auto& t : texte) {
        auto w = Spiel();
        const auto l = Zeichnen(*w, t.layout);
        const Zeichnung* z = Bei(l, Art::Text, t.x, t.y, QString::fromUtf8(t.text));
        ASSERT_TRUE(z) << t.layout << " " << t.text;
        EXPECT_EQ(z->schrift.punkte, t.punkte) << t.layout << " " << t.text;
    }
    auto w = Spiel();
    EXPECT_FALSE(Zeichnen(*w, 2).finde(QStringLiteral("Sektion Kegeln")));
}

// Layout 0 without a venue: the date alone, no comma in front of it.
TEST(Formular0bis2, DateWithoutVenueHasNoComma)
{
    auto w = Spiel();
    Aufzeichnungsleinwand l;
    Formularkontext k = Kontext(0);
    k.spielort.clear();
    l.schriftSetzen(k.schrift);
    Formular0Zeichnen(l, *w, k);
    EXPECT_TRUE(Bei(l, Art::Text, 1800, 120, QStringLiteral("den 07.12.25")));
    EXPECT_FALSE(l.finde(QStringLiteral(", den 07.12.25")));
}

// Row 2 of each side: names clipped to their column (layout 0: one pixel
// before the name down to the next row; layouts 1 and 2: from the text's top to 10 below its bottom).
TEST(Formular0bis2, PlayerRowColumns)
{
    const struct {
        int layout, y;
        QRect name;
        int pass, jahr, volle, abr, fehler, total;
        const char* spieler;
        QString passText, jahrText, summe;
    } zeilen[] = {
        {0, 590, {QPoint(19, 589), QPoint(418, 648)}, 420, 555, 830, 930, 1030, 1150, "Heim 2", " /100002", " /85", " 502"},
        {0, 590, {QPoint(1269, 589), QPoint(1668, 648)}, 1670, 1805, 2080, 2180, 2280, 2400, "Gast 2", " /200002", " /85", " 402"},
        {1, 998, {QPoint(220, 998), QPoint(820, 1048)}, 26, 870, 1140, 1330, 1470, 1640, "Heim 2", "100002", "85", " 502"},
        {1, 998, {QPoint(1900, 998), QPoint(2500, 1048)}, 1706, 2550, 2820, 3010, 3150, 3320, "Gast 2", "200002", "85", " 402"},
        {2, 994, {QPoint(200, 994), QPoint(820, 1044)}, 20, 870, 1160, 1350, 1470, 1650, "Heim 2", "100002", "85", " 502"},
        {2, 994, {QPoint(1880, 994), QPoint(2476, 1044)}, 1696, 2526, 2840, 3030, 3150, 3330, "Gast 2", "200002", "85", " 402"},
    };
    for (const auto& z : zeilen) {
        auto w = Spiel();
        const auto l = Zeichnen(*w, z.layout);
        SCOPED_TRACE(testing::Message() << "layout " << z.layout << " " << z.spieler);
        const Zeichnung* n = Bei(l, Art::Geklippt, z.name.left() + (z.layout == 0), z.y, QString::fromLatin1(z.spieler));
        ASSERT_TRUE(n);
        EXPECT_EQ(n->rahmen, z.name);
        EXPECT_TRUE(Bei(l, Art::Text, z.pass, z.y, z.passText));
        EXPECT_TRUE(Bei(l, Art::Text, z.jahr, z.y, z.jahrText));
        if (z.layout == 0) {
            EXPECT_TRUE(Bei(l, Art::Text, z.pass + 198, z.y, QStringLiteral(" /120")));
        }
        EXPECT_TRUE(Bei(l, Art::Rechts, z.volle, z.y, QStringLiteral("350")));
        EXPECT_TRUE(Bei(l, Art::Rechts, z.abr, z.y, QStringLiteral("160")));
        EXPECT_TRUE(Bei(l, Art::Rechts, z.fehler, z.y, QStringLiteral("  4")));
        EXPECT_TRUE(Bei(l, Art::Rechts, z.total, z.y, z.summe));
    }
}

// Where the names of rows 5 and 6 stand (home x, guest x, row 5 y, row 6 y).
TEST(Formular0bis2, RowsFiveAndSixFollowTheTeamSize)
{
    const int lagen[][5] = {{0, 20, 1270, 770, 830}, {1, 220, 1900, 1392 - 40, 1510 - 40}, {2, 200, 1880, 1358 - 40, 1466 - 40}};
    for (const auto& [layout, heimX, gastX, y5, y6] : lagen)
        for (u16 anzahl : {4, 5, 6}) {
            auto w = Spiel();
            w->Spieleranzahl = anzahl;
            const auto l = Zeichnen(*w, layout);
            const auto da = [&](const char* name, int x, int y) { return Bei(l, Art::Geklippt, x, y, QString::fromLatin1(name)) != nullptr; };
            SCOPED_TRACE(testing::Message() << "layout " << layout << ", " << anzahl << " players");
            EXPECT_TRUE(da("Heim 4", heimX, y5 - (y6 - y5)));
            EXPECT_EQ(da("Heim 5", heimX, y5), anzahl > 4);
            EXPECT_EQ(da("Gast 5", gastX, y5), anzahl > 4);
            EXPECT_EQ(da("Heim 6", heimX, y6), anzahl > 5);
            EXPECT_EQ(da("Gast 6", gastX, y6), anzahl > 5);
        }
}

// Layouts 0 and 1: one substitute row, player 8 when he replaced somebody, else player 7.
TEST(Formular0bis2, SubstituteRow)
{
    const int lagen[][4] = {{0, 20, 1270, 890}, {1, 220, 1900, 1628 - 40}};
    for (const auto& [layout, heimX, gastX, y] : lagen)
        for (u8 ersatz : {0, 1}) {
            auto w = Spiel();
            w->SpielerZeiger[8]->Ersatz = ersatz ? 3 : 0;
            w->SpielerZeiger[16]->Ersatz = ersatz ? 0 : 12;
            const auto l = Zeichnen(*w, layout);
            SCOPED_TRACE(testing::Message() << "layout " << layout << ", " << int(ersatz));
            EXPECT_TRUE(Bei(l, Art::Geklippt, heimX, y, ersatz ? QStringLiteral("Heim 8") : QStringLiteral("Heim 7")));
            EXPECT_TRUE(Bei(l, Art::Geklippt, gastX, y, ersatz ? QStringLiteral("Gast 7") : QStringLiteral("Gast 8")));
            EXPECT_EQ(l.texte().size(), Zeichnen(*Spiel(), layout).texte().size());  // one row a side, never both
        }
}

TEST(Formular0bis2, TeamTotals)
{
    const int lagen[][6] = {{0, 830, 1030, 1150, 2400, 1000}, {1, 1140, 1470, 1640, 3320, 1746 - 40}, {2, 1160, 1470, 1650, 3330, 1790 - 40}};
    const char* summen[][2] = {{"03060", "3060"}, {"00000", "0"}, {"", "0"}, {"10005", "10005"}};
    for (const auto& [layout, volleX, fehlerX, heimX, gastX, y] : lagen)
        for (const auto& [gespeichert, gedruckt] : summen) {
            auto w = Spiel();
            w->Heim.Total.Text = gespeichert;
            w->Gast.Total.Text = gespeichert;
            const auto l = Zeichnen(*w, layout);
            SCOPED_TRACE(testing::Message() << "layout " << layout << ", '" << gespeichert << "'");
            EXPECT_TRUE(Bei(l, Art::Rechts, heimX, y, QString::fromLatin1(gedruckt)));
            EXPECT_TRUE(Bei(l, Art::Rechts, gastX, y, QString::fromLatin1(gedruckt)));
            EXPECT_TRUE(Bei(l, Art::Rechts, volleX, y, QStringLiteral("2100")));  // the others as stored
            EXPECT_TRUE(Bei(l, Art::Rechts, fehlerX, y, QStringLiteral("0024")));
        }
}

TEST(Formular0bis2, EndTimeOnlyAfterTheMatchEnd)
{
    for (const auto& [layout, y] : {std::pair{1, 504 - 40}, {2, 550 - 40}})
        for (u8 beendet : {0, 1}) {
            auto w = Spiel();
            w->Beendet = beendet;
            const auto l = Zeichnen(*w, layout);
            EXPECT_EQ(l.an(2950, y), beendet ? QStringList{QStringLiteral("17:45")} : QStringList{}) << layout;
        }
}

// Match type and group crosses at size 30, with the letter of A and B youth.
TEST(Formular0bis2, MatchTypeAndGroupCrosses)
{
    const struct {
        const char* art;
        const char* gruppe;
        std::optional<int> artZeile, gruppenZeile;  // 0..3 from the top
        QString buchstabe;
    } faelle[] = {
        {"Clubspiel", "Herren", 0, 0, {}},           {"Pokalspiel", "Damen", 1, 1, {}},
        {"Länderspiel", "Junioren", 2, 2, {}},       {"CL-League", "Jugend", std::nullopt, 3, {}},
        {"", "A-Jugend", std::nullopt, 3, "A"},      {"Clubspiel", "B-Jugend", 0, 3, "B"},
        {"Clubspiel", "", 0, std::nullopt, {}},
    };
    const int zeilen[3][4] = {{}, {230, 336, 442, 548}, {330, 414, 498, 586}};
    for (int layout : {1, 2})
        for (const auto& f : faelle) {
            auto w = Spiel();
            w->Spielart.setzenText(QString::fromUtf8(f.art));
            w->Gruppe.setzenText(QString::fromUtf8(f.gruppe));
            const auto l = Zeichnen(*w, layout);
            SCOPED_TRACE(testing::Message() << "layout " << layout << ", " << f.art << "/" << f.gruppe);
            QList<QPoint> erwartet;
            if (f.artZeile) erwartet.append(QPoint(690, zeilen[layout][*f.artZeile] - 40));
            if (f.gruppenZeile) erwartet.append(QPoint(1300, zeilen[layout][*f.gruppenZeile] - 40));
            EXPECT_EQ(Kreuze(l, 0, 700), erwartet);
            const QStringList buchstaben = l.an(1050, zeilen[layout][3] - 40);
            EXPECT_EQ(buchstaben, f.buchstabe.isEmpty() ? QStringList{} : QStringList{f.buchstabe});
            for (const Zeichnung& z : l.zeichnungen)
                if (z.art == Art::Kreuz && z.y < 700) {
                    EXPECT_EQ(z.schrift.punkte, 30);
                }
        }
}

// Incidents at size 24: the yes column when set, else the no column 58 pixels
// right; the enclosures only when set.
TEST(Formular0bis2, IncidentCrosses)
{
    const int lagen[][3] = {{1, 1860 - 32, 2084 - 32}, {2, 1880 - 32, 2104 - 32}};
    for (const auto& [layout, y, anlagenY] : lagen)
        for (u8 an : {0, 1}) {
            auto w = Spiel();
            w->BahnenOk = 1;
            w->Verwarnungen = 1;
            w->Protest = w->Sonstiges = w->Anlagen = an;
            const auto l = Zeichnen(*w, layout);
            QList<QPoint> erwartet = {{596, y}, {1281, y}, {an ? 1690 : 1748, y}, {2257, y}, {2746, y}, {an ? 3263 : 3321, y}};
            if (an) erwartet.append(QPoint(3321, anlagenY));
            EXPECT_EQ(Kreuze(l, 700, 2430), erwartet) << layout << " " << int(an);
            for (const Zeichnung& z : l.zeichnungen)
                if (z.art == Art::Kreuz && z.y >= 700) {
                    EXPECT_EQ(z.schrift.punkte, 24);
                }
        }
}

TEST(Formular1, BoldFromTheTitleOn)
{
    auto w = Spiel();
    w->SpielerZeiger[8]->Ersatz = 2;
    const auto l = Zeichnen(*w, 1);
    ASSERT_EQ(l.texte().first().text, QStringLiteral("Sektion Kegeln"));
    for (const Zeichnung& z : l.texte()) EXPECT_TRUE(z.schrift.fett) << z.text.toStdString();
    for (const Zeichnung& z : Zeichnen(*w, 2).texte()) EXPECT_FALSE(z.schrift.fett) << z.text.toStdString();
}

// Players 7 and 8 stand on rows 7 and 8 (bottoms 1574 and 1682) whatever the
// team size, with their results only when their pin total is above 0.
TEST(Formular2, PlayersSevenAndEightOnRowsOfTheirOwn)
{
    for (u16 anzahl : {4, 6}) {
        auto w = Spiel();
        w->Spieleranzahl = anzahl;
        w->SpielerZeiger[7]->Total.Zahl = 0;
        w->SpielerZeiger[16]->Total.Zahl = 0;
        const auto l = Zeichnen(*w, 2);
        const struct {
            const char* name;
            int passX, nameX, jahrX, y;
            bool ergebnis;
        } zeilen[] = {{"Heim 7", 20, 200, 870, 1534, false}, {"Heim 8", 20, 200, 870, 1642, true},
                      {"Gast 7", 1696, 1880, 2526, 1534, true}, {"Gast 8", 1696, 1880, 2526, 1642, false}};
        for (const auto& z : zeilen) {
            SCOPED_TRACE(testing::Message() << z.name << ", " << anzahl << " players");
            EXPECT_TRUE(Bei(l, Art::Geklippt, z.nameX, z.y, QString::fromLatin1(z.name)));
            EXPECT_EQ(l.an(z.passX, z.y).size(), 1);
            EXPECT_EQ(l.an(z.jahrX, z.y), QStringList{QStringLiteral("85")});
            int ergebnisse = 0;
            for (const Zeichnung& d : l.zeichnungen) ergebnisse += d.art == Art::Rechts && d.y == z.y && (d.x < 1680) == (z.passX < 1680);
            EXPECT_EQ(ergebnisse, z.ergebnis ? 4 : 0);
        }
    }
}

// The real painter: the filled-in form differs from the blank one where a known text stands.
TEST(Formular0bis2, PainterWritesOnTheBlankForm)
{
    const std::pair<int, QRect> stellen[] = {{0, QRect(100, 50, 300, 85)}, {1, QRect(410, 660, 300, 40)}, {2, QRect(410, 684, 300, 40)}};
    for (const auto& [layout, stelle] : stellen) {
        auto w = Spiel();
        const FormularBild b = FormularZeichnen(*w, Kontext(layout));
        ASSERT_FALSE(b.bild.isNull());
        EXPECT_EQ(b.bild.size(), QSize(layout == 0 ? 2430 : 3400, FormularMasse(layout)->hoehe));
        EXPECT_TRUE(b.bild.copy(stelle) != FormularVordruck(layout).copy(stelle)) << layout;
    }
}

}  // namespace
