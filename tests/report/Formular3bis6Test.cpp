// Layouts 3 (two-line player blocks, group and league boxes), 4 (match type,
// group and throws boxes), 5 (mirrored guest side, incidents) and 6 (blocks
// and the result block). The test font has 27 points: 36 pixels, so a text
// whose bottom is y is drawn at y - 36; crosses of 30 points at y - 40, of
// 24 points at y - 32.

#include "report/formulare/Formularlayouts.h"
#include "support/Aufzeichnungsleinwand.h"
#include "support/QtDrucken.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace {

using Art = Zeichnung::Art;
constexpr Art T = Art::Text, R = Art::Rechts, G = Art::Geklippt;
constexpr int H = 36;

// The cross of 30 points whose bottom is y; none for y 0.
QList<QPoint> Kreuz30(int x, int y) { return y ? QList<QPoint>{{x, y - 40}} : QList<QPoint>{}; }

// An expected drawing: kind, anchor x, bottom of the text, text.
struct Soll {
    Art art;
    int x, unten;
    const char* text;
};

class Formular3bis6 : public ::testing::Test {
protected:
    Formular3bis6()
    {
        k.schrift.name = QStringLiteral("Testschrift");
        k.schrift.punkte = 27;
        k.schrift.fett = true;
        k.spielort = QStringLiteral("Musterstadt");
        k.bahnanlage = QStringLiteral("Kegelhalle");
        w->Spieleranzahl = 6;
        w->Heimmannschaft = "KSV 1";
        w->Gastmannschaft = "SG Gast";
        w->Datum = "14.03.25";
        w->Beginn = "14:00:00";
        w->Ende = "18:45:12";
        w->Beendet = 1;
        w->Klasse = "Landesliga";
        w->Gruppe = "Herren";
        w->Bezirk = "Oberfranken";
        w->Spielnummer = "4711";
        w->Volle = 50;
        w->Abraeumen = 50;
    }

    void zeichnen(int index)
    {
        k.index = index;
        l.zeichnungen.clear();
        FormularTexteZeichnen(l, *w, k);
    }
    TSpielerEintrag& spieler(int nr) { return *w->SpielerZeiger[nr]; }
    void setzen(TSpielerEintrag& s, const char* name, const char* volle, const char* abr, const char* fehler,
                const char* total, u16 zahl)
    {
        s.Name.setzenText(QString::fromUtf8(name));
        s.Pass = "123456";
        s.Gebdat = "17.03.85";
        s.Volle.Text = volle;
        s.Abr.Text = abr;
        s.Fehler.Text = fehler;
        s.Total.Text = total;
        s.Total.Zahl = zahl;
    }
    const Zeichnung* bei(Art art, int x, int y, const QString& t) const
    {
        for (const Zeichnung& z : l.zeichnungen)
            if (z.art == art && z.x == x && z.y == y && z.text == t) return &z;
        return nullptr;
    }
    void erwarte(std::initializer_list<Soll> soll) const
    {
        for (const Soll& s : soll)
            EXPECT_NE(bei(s.art, s.x, s.unten - H, QString::fromUtf8(s.text)), nullptr)
                << "layout " << k.index << ": \"" << s.text << "\" at " << s.x << ", " << s.unten;
    }
    QList<QPoint> kreuzeBei(int x) const
    {
        QList<QPoint> p;
        for (const QPoint& q : l.kreuze())
            if (q.x() == x) p.append(q);
        return p;
    }

    std::unique_ptr<TWettkampfDaten> w = std::make_unique<TWettkampfDaten>();
    Aufzeichnungsleinwand l;
    Formularkontext k;
};

TEST_F(Formular3bis6, HeaderTextsStandOnTheirLinesEndTimeOnlyAfterTheEnd)
{
    zeichnen(3);
    erwarte({{T, 1600, 300, "KSV 1"}, {T, 2600, 300, "SG Gast"}, {T, 1400, 416, "Musterstadt"}, {T, 2600, 416, "14.03.25"},
             {T, 1480, 532, "Kegelhalle"}, {T, 2500, 532, "14:00:00"}, {T, 3070, 532, "18:45:12"}});
    zeichnen(4);
    erwarte({{T, 1910, 404, "Musterstadt"}, {T, 2750, 404, "14.03.25"}, {T, 1910, 474, "Kegelhalle"},
             {T, 1910, 544, "14:00:00"}, {T, 2750, 544, "18:45:12"}, {T, 1910, 614, "Landesliga"},
             {T, 260, 790, "KSV 1"}, {T, 1832, 790, "SG Gast"}});
    zeichnen(5);
    erwarte({{T, 1500, 120, "Musterstadt"}, {T, 2550, 120, "14.03.25"}, {T, 1500, 222, "Kegelhalle"},
             {T, 1500, 324, "14:00:00"}, {T, 2200, 324, "18:45:12"}, {T, 1500, 426, "Landesliga"},
             {T, 2200, 426, "Herren"}, {T, 490, 526, "KSV 1"}, {T, 2100, 526, "SG Gast"}});
    zeichnen(6);
    erwarte({{T, 1400, 170, "Landesliga"}, {T, 2520, 170, "4711"}, {T, 1400, 284, "Musterstadt"}, {T, 2470, 284, "14.03.25"},
             {T, 1460, 398, "Kegelhalle"}, {T, 2470, 398, "14:00:00"}, {T, 3020, 398, "18:45:12"},
             {T, 1400, 512, "Oberfranken"}, {T, 2470, 512, "100"}, {T, 400, 628, "KSV 1"}, {T, 1970, 628, "SG Gast"}});

    w->Beendet = 0;
    for (int layout = 3; layout <= 6; ++layout) {
        zeichnen(layout);
        EXPECT_EQ(l.finde(QStringLiteral("18:45:12")), nullptr) << layout;
        EXPECT_EQ(l.finde(QStringLiteral("Musterstadt"))->schrift, k.schrift) << layout;
        // The free fields that follow are drawn in the layout font.
        EXPECT_EQ(l.schrift(), k.schrift) << layout;
    }
}

TEST_F(Formular3bis6, RowsFiveAndSixFollowTheTeamSize)
{
    spieler(5).Name = "Fuenf";
    spieler(6).Name = "Sechs";
    const int spalten[][4] = {{3, 370, 1348, 1464}, {4, 260, 1352, 1434}, {5, 400, 1312, 1444}, {6, 400, 1348, 1464}};
    for (const auto& [layout, x, zeile5, zeile6] : spalten) {
        for (const u16 anzahl : {4, 5, 6}) {
            w->Spieleranzahl = anzahl;
            zeichnen(layout);
            EXPECT_EQ(l.finde(QStringLiteral("Fuenf")) != nullptr, anzahl > 4) << layout << " " << anzahl;
            EXPECT_EQ(l.finde(QStringLiteral("Sechs")) != nullptr, anzahl > 5) << layout << " " << anzahl;
        }
        erwarte({{G, x, zeile5, "Fuenf"}, {G, x, zeile6, "Sechs"}});
    }
}

TEST_F(Formular3bis6, NamesAreClippedToTheirColumn)
{
    spieler(1).Name = "Heimname";
    spieler(9).Name = "Gastname";
    const int faelle[][5] = {{3, 1, 370, 885, 884},  {3, 9, 1940, 2455, 884}, {4, 1, 260, 826, 1024},
                             {4, 9, 1832, 2404, 1024}, {5, 1, 400, 920, 784},  {5, 9, 2450, 3010, 784},
                             {6, 1, 400, 910, 884},  {6, 9, 1970, 2480, 884}};
    for (const auto& [layout, nr, x, bis, y] : faelle) {
        zeichnen(layout);
        const Zeichnung* z = bei(G, x, y - H, spieler(nr).Name.text());
        ASSERT_NE(z, nullptr) << layout << " " << nr;
        EXPECT_EQ(z->rahmen, QRect(QPoint(x, y - H), QPoint(bis, y + 10))) << layout << " " << nr;
    }
}

// --- Layout 3 --------------------------------------------------------------------------

TEST_F(Formular3bis6, Layout3GroupCrosses)
{
    const std::pair<const char*, int> faelle[] = {{"Herren", 233}, {"Damen", 289}, {"Senioren", 347}, {"Junioren", 405},
                                                  {"A-Jugend", 463}, {"B-Jugend", 521}, {"Mixed", 579}, {"", 0}};
    for (const auto& [gruppe, y] : faelle) {
        w->Gruppe = gruppe;
        zeichnen(3);
        EXPECT_EQ(kreuzeBei(372), Kreuz30(372, y)) << gruppe;
        // Only a group without a box of its own is written, on the last row.
        EXPECT_EQ(l.an(86, 579 - H), y == 579 ? QStringList{gruppe} : QStringList{}) << gruppe;
        for (const Zeichnung& z : l.zeichnungen)
            if (z.art == Art::Kreuz) {
                EXPECT_EQ(z.schrift, k.schrift.groesse(30));
            }
    }
}

TEST_F(Formular3bis6, Layout3LeagueCrossByClassOrMatchType)
{
    struct Fall {
        const char *spielart, *klasse;
        int zeile;         // bottom of the cross and of the text written at 520; 0 none
        const char* text;
    };
    const Fall faelle[] = {
        {"Clubspiel", "Verbandsliga", 233, nullptr},        {"Clubspiel", "Oberliga", 289, nullptr},
        {"Clubspiel", "Regionalliga Süd", 347, "Regionalliga Süd"}, {"Clubspiel", "Bezirksliga", 405, "Bezirksliga"},
        {"Clubspiel", "Kreisliga B", 463, "Kreisliga B"},   {"Clubspiel", "Kreisklasse A", 521, "Kreisklasse A"},
        {"Clubspiel", "Landesliga", 579, "Landesliga"},     {"Pokalspiel", "Bezirksliga", 579, "Pokalspiel"},
        {"Clubspiel", "", 0, nullptr},
    };
    const std::pair<int, const char*> feste[] = {
        {347, "Regionalliga "}, {405, "Bezirksliga "}, {463, "Kreisliga "}, {521, "Kreisklasse "}, {579, nullptr}};
    for (const Fall& f : faelle) {
        w->Spielart = f.spielart;
        w->Klasse.setzenText(QString::fromUtf8(f.klasse));
        zeichnen(3);
        EXPECT_EQ(kreuzeBei(1010), Kreuz30(1010, f.zeile)) << f.klasse;
        // The league rows keep their fixed text unless the class is written on them.
        for (const auto& [y, fest] : feste) {
            const char* soll = y == f.zeile ? f.text : fest;
            EXPECT_EQ(l.an(520, y - H), soll ? QStringList{QString::fromUtf8(soll)} : QStringList{}) << f.klasse << y;
        }
    }
}

TEST_F(Formular3bis6, Layout3PlayerBlocksSubstitutesAndTotals)
{
    TSpielerEintrag& s = spieler(1);
    setzen(s, "Müller Hans Peter", "612", "298", "4", "910", 910);
    s.LetztSpiel = "01.03.25";
    s.LetztPlatz = "3";
    s.Platz = 2;
    w->Spieleranzahl = 4;
    setzen(spieler(7), "Sieben", "500", "250", "3", "750", 750);
    setzen(spieler(16), "Acht", "0", "0", "0", "0", 0);
    w->Heim.Volle.Text = "3672";
    w->Heim.Fehler.Text = "0024";
    w->Heim.Total.Text = "05460";
    w->Gast.Total.Text = "00000";
    zeichnen(3);
    // Block 1: first line 884, middle 914, second 942; blocks 7 and 8 (884 + 116 x 6, x 7) whatever the team size.
    erwarte({{T, 86, 884, "17.03.85"}, {T, 86, 942, "01.03.25"}, {T, 294, 914, "3"}, {G, 370, 884, "Müller"},
             {G, 370, 942, "Hans Peter"}, {T, 894, 914, "123456"}, {R, 1160, 914, "612"}, {R, 1290, 914, "298"},
             {R, 1420, 914, "4"}, {R, 1570, 914, "910"}, {T, 1620, 914, "2"},
             {G, 370, 1580, "Sieben"}, {R, 1570, 1610, "750"}, {G, 1940, 1696, "Acht"}, {R, 3140, 1726, "0"},
             {R, 1160, 1830, "3672"}, {R, 1420, 1830, "0024"}, {R, 1570, 1830, "5460"}, {R, 3140, 1830, "0"}});
    s.Platz = 0;
    zeichnen(3);
    EXPECT_TRUE(l.an(1620, 914 - H).isEmpty());
}

// A guest's rank stands in the guest's rank column, the home column of that row stays empty.
TEST_F(Formular3bis6, Layout3GuestRankInTheGuestColumn)
{
    setzen(spieler(9), "Gast Eins", "600", "300", "2", "900", 900);
    spieler(9).Platz = 5;
    zeichnen(3);
    erwarte({{T, 3190, 914, "5"}});
    EXPECT_TRUE(l.an(1620, 914 - H).isEmpty());
}

// --- Layout 4 --------------------------------------------------------------------------

TEST_F(Formular3bis6, Layout4MatchTypeAndGroup)
{
    struct Fall {
        const char *spielart, *klasse, *gruppe;
        int art, gruppenkreuz;  // bottoms of the crosses at x 500 and 690; 0 none
        const char* buchstabe;
    };
    const Fall faelle[] = {
        {"Clubspiel", "Bundesliga", "Herren", 360, 360, nullptr},
        {"Clubspiel", "Landesliga Süd", "Damen", 430, 430, nullptr},
        {"Clubspiel", "Bezirksklasse", "Senioren", 500, 500, nullptr},
        {"Clubspiel", "Kreisliga", "Junioren", 0, 570, nullptr},
        {"Pokalspiel", "Bundesliga", "Jugend", 570, 640, nullptr},
        {"Länderspiel", "", "A-Jugend", 640, 640, "A"},
        {"Freundschaftsspiel", "", "B-Jugend", 0, 640, "B"},
        {"", "", "Mixed", 0, 0, nullptr},
    };
    for (const Fall& f : faelle) {
        w->Spielart.setzenText(QString::fromUtf8(f.spielart));
        w->Klasse.setzenText(QString::fromUtf8(f.klasse));
        w->Gruppe = f.gruppe;
        zeichnen(4);
        EXPECT_EQ(kreuzeBei(500), Kreuz30(500, f.art)) << f.spielart << " " << f.klasse;
        EXPECT_EQ(kreuzeBei(690), Kreuz30(690, f.gruppenkreuz)) << f.gruppe;
        EXPECT_EQ(l.an(1010, 650 - H), f.buchstabe ? QStringList{f.buchstabe} : QStringList{}) << f.gruppe;
    }
}

TEST_F(Formular3bis6, Layout4ThrowCountWithTheBoxFor200)
{
    struct Fall {
        u16 volle, abr, durchgaenge;
        const char* text;
        int x;  // the number; its cross stands 80 to the left
    };
    const Fall faelle[] = {{50, 50, 2, "200", 2980}, {25, 25, 4, "200", 2980}, {100, 100, 1, "200", 2980},
                           {50, 50, 1, "100", 2410}, {60, 60, 2, "120", 2410},  {0, 0, 0, "0", 2410}};
    for (const Fall& f : faelle) {
        w->Volle = f.volle;
        w->Abraeumen = f.abr;
        w->Durchgaenge = f.durchgaenge;
        zeichnen(4);
        EXPECT_EQ(l.an(f.x, 686 - H), QStringList{f.text}) << f.volle << "+" << f.abr << " x " << f.durchgaenge;
        QList<QPoint> wurfkreuze;
        for (const Zeichnung& z : l.zeichnungen)
            if (z.art == Art::Kreuz && z.schrift == k.schrift.groesse(24)) wurfkreuze.append({z.x, z.y});
        EXPECT_EQ(wurfkreuze, (QList<QPoint>{{f.x - 80, 680 - 32}})) << f.text;
    }
}

TEST_F(Formular3bis6, Layout4RowsWithBirthMonthAndYear)
{
    w->Spieleranzahl = 4;
    setzen(spieler(1), "Heim Eins", "612", "298", "4", "910", 910);
    setzen(spieler(16), "Gast Acht", "520", "230", "7", "850", 850);
    spieler(16).Gebdat = "05.11.90";
    w->Spieltag = "12";
    w->Schiedsrichter = "Meier";
    zeichnen(4);
    // Guest player 8 on row 8 (1024 + 82 x 7) whatever the team size.
    erwarte({{T, 72, 1024, "123456"}, {T, 836, 1024, "03"}, {T, 954, 1024, "85"}, {R, 1160, 1024, "612"},
             {R, 1300, 1024, "298"}, {R, 1440, 1024, "4"}, {R, 1610, 1024, "910"}, {T, 1646, 1598, "123456"},
             {G, 1832, 1598, "Gast Acht"}, {T, 2414, 1598, "11"}, {T, 2532, 1598, "90"}, {R, 2738, 1598, "520"},
             {R, 2878, 1598, "230"}, {R, 3018, 1598, "7"}, {R, 3188, 1598, "850"}, {T, 1700, 2326, "Meier"},
             {T, 2750, 614, "12"}});
    w->Spieltag = "";
    zeichnen(4);
    EXPECT_EQ(l.an(2750, 614 - H), QStringList{"4711"});
}

// --- Layout 5 --------------------------------------------------------------------------

TEST_F(Formular3bis6, Layout5GuestSideMirrored)
{
    setzen(spieler(1), "Heim", "612", "298", "4", "910", 910);
    setzen(spieler(9), "Gast", "612", "298", "4", "910", 910);
    spieler(1).Platz = 2;
    spieler(9).Platz = 3;
    zeichnen(5);
    // Row 1 at 784: the birth month 30 above, the year 38 below.
    erwarte({{T, 100, 784, "2"}, {T, 192, 784, "123456"}, {G, 400, 784, "Heim"}, {T, 970, 754, "03"}, {T, 970, 822, "85"},
             {R, 1190, 784, "612"}, {R, 1352, 784, "298"}, {R, 1470, 784, "4"}, {R, 1640, 784, "910"},
             {T, 3236, 784, "3"}, {T, 3020, 784, "123456"}, {G, 2450, 784, "Gast"}, {T, 2350, 754, "03"},
             {T, 2350, 822, "85"}, {R, 2286, 784, "612"}, {R, 2120, 784, "298"}, {R, 1970, 784, "4"},
             {R, 1830, 784, "910"}});
    spieler(1).Platz = 0;
    zeichnen(5);
    EXPECT_TRUE(l.an(100, 784 - H).isEmpty());
}

TEST_F(Formular3bis6, Layout5SubstituteRowShowsPlayerEightOnlyWhenHeReplacedSomebody)
{
    for (const int seite : {0, 8}) {
        spieler(seite + 7).Name = "Sieben";
        spieler(seite + 8).Name = "Acht";
    }
    const int y = 784 + 6 * 132 - H;
    zeichnen(5);
    EXPECT_EQ(l.an(400, y), QStringList{"Sieben"});
    EXPECT_EQ(l.an(2450, y), QStringList{"Sieben"});
    spieler(8).Ersatz = 3;
    spieler(16).Ersatz = 11;
    zeichnen(5);
    EXPECT_EQ(l.an(400, y), QStringList{"Acht"});
    EXPECT_EQ(l.an(2450, y), QStringList{"Acht"});
    EXPECT_EQ(l.finde(QStringLiteral("Sieben")), nullptr);
}

TEST_F(Formular3bis6, Layout5IncidentsCaptainsRemarks)
{
    const int y = 1826 - 32;
    const std::pair<u8, QList<QPoint>> faelle[] = {
        {1, {{716, y}, {1296, y}, {1690, y}, {2146, y}, {2620, y}, {3092, y}, {3166, 1998 - 32}}},
        {0, {{790, y}, {1370, y}, {1764, y}, {2220, y}, {2694, y}, {3166, y}}},
    };
    for (const auto& [flag, kreuze] : faelle) {
        for (u8* f : {&w->BahnenOk, &w->PaesseOk, &w->Protest, &w->Verletzungen, &w->Verwarnungen, &w->Sonstiges, &w->Anlagen})
            *f = flag;
        zeichnen(5);
        EXPECT_EQ(l.kreuze(), kreuze);
    }
    w->BahnenOk = 1;
    w->Protest = 1;
    zeichnen(5);
    EXPECT_EQ(l.kreuze(), (QList<QPoint>{{716, y}, {1370, y}, {1690, y}, {2220, y}, {2694, y}, {3166, y}}));
    EXPECT_EQ(l.finde(QStringLiteral("X"))->schrift, k.schrift.groesse(24));

    w->Mannschaftsfuehrer[1] = "Kapitaen Heim";
    w->Mannschaftsfuehrer[2] = "Kapitaen Gast";
    w->Heim.Text[1] = "Bahn 3 gesperrt";
    w->Gast.Text[3] = "ohne";
    w->Schiedsrichter = "Meier";
    zeichnen(5);
    erwarte({{T, 94, 1746, "Kapitaen Heim"}, {R, 3270, 1746, "Kapitaen Gast"}, {T, 450, 1950, "Bahn 3 gesperrt"},
             {T, 1730, 2142, "ohne"}, {T, 1170, 2290, "Meier"}});
}

// --- Layout 6 --------------------------------------------------------------------------

TEST_F(Formular3bis6, Layout6BlocksSubstitutesOnlyWithPins)
{
    TSpielerEintrag& g = spieler(10);
    setzen(g, "Klein Peter", "600", "300", "2", "900", 900);
    g.LetztSpiel = "01.03.25";
    g.LetztPlatz = "1";
    g.Platz = 4;
    setzen(spieler(7), "Sieben", "0", "0", "0", "0", 0);
    setzen(spieler(8), "Acht", "80", "40", "1", "120", 120);
    zeichnen(6);
    // Guest block 2: lines 1000, 1030, 1058. Players 7 and 8: middle lines 1610 and 1726.
    erwarte({{T, 1696, 1000, "17.03.85"}, {T, 1696, 1058, "01.03.25"}, {T, 1894, 1030, "1"}, {G, 1970, 1000, "Klein"},
             {G, 1970, 1058, "Peter"}, {T, 2490, 1030, "123456"}, {R, 2760, 1030, "600"}, {R, 2884, 1030, "300"},
             {R, 3004, 1030, "2"}, {R, 3140, 1030, "900"}, {T, 3190, 1030, "4"},
             {G, 400, 1580, "Sieben"}, {T, 920, 1610, "123456"}, {R, 1190, 1726, "80"}, {R, 1576, 1726, "120"}});
    for (const int x : {1190, 1314, 1434, 1576}) EXPECT_TRUE(l.an(x, 1610 - H).isEmpty()) << x;
}

TEST_F(Formular3bis6, Layout6ResultBlockLeadingSideFirst)
{
    struct Fall {
        u16 heimPlus, gastPlus, heimHolz, gastHolz, anzahl;
        QStringList zeile1, vorsprung, zeile3;  // name, pins, average; the lead
    };
    const Fall faelle[] = {
        {0, 23, 5400, 5423, 6, {"SG Gast", "5423", "903"}, {"- 0023"}, {"KSV 1", "5400", "900"}},
        {45, 0, 5468, 5423, 6, {"KSV 1", "5468", "911"}, {"+ 0045"}, {"SG Gast", "5423", "903"}},
        {0, 0, 3600, 3600, 4, {"KSV 1", "3600", "900"}, {"+ 0000"}, {"SG Gast", "3600", "900"}},
        {0, 0, 0, 0, 0, {"KSV 1", "0"}, {"+ 0000"}, {"SG Gast", "0"}},  // damaged: no players per team
    };
    const auto seite = [](TMannschaftBlock& m, u16 plus, u16 holz) {
        m.Plus.Zahl = plus;
        m.Plus.Text.setzenText(QString::number(plus).rightJustified(4, QLatin1Char('0')));
        m.Total.Zahl = holz;
        m.Total.Text.setzenText(QString::number(holz).rightJustified(5, QLatin1Char('0')));
    };
    for (const Fall& f : faelle) {
        seite(w->Heim, f.heimPlus, f.heimHolz);
        seite(w->Gast, f.gastPlus, f.gastHolz);
        w->Spieleranzahl = f.anzahl;
        zeichnen(6);
        for (const auto& [y, soll] : {std::pair{1906, f.zeile1}, std::pair{1980, f.zeile3}}) {
            QStringList ist = l.an(600, y - H);
            ist += l.an(1600, y - H);
            ist += l.an(2400, y - H);
            EXPECT_EQ(ist, soll) << y;
        }
        EXPECT_EQ(l.an(1600, 1942 - H), f.vorsprung);
    }
}

// --- Blank forms and the painter -------------------------------------------------------

TEST_F(Formular3bis6, CrossesFallIntoTheBoxesOfTheBlankForm)
{
    struct Spiel {
        int layout;
        const char *spielart, *klasse, *gruppe;
        u16 volle;
        u8 flags;
    };
    const Spiel spiele[] = {
        {3, "Clubspiel", "Verbandsliga", "Herren", 50, 0}, {3, "Clubspiel", "Oberliga", "Damen", 50, 0},
        {3, "Clubspiel", "Regionalliga", "Senioren", 50, 0}, {3, "Clubspiel", "Bezirksliga", "Junioren", 50, 0},
        {3, "Clubspiel", "Kreisliga", "A-Jugend", 50, 0}, {3, "Clubspiel", "Kreisklasse", "B-Jugend", 50, 0},
        {3, "Pokalspiel", "", "Mixed", 50, 0},             {4, "Clubspiel", "Bundesliga", "Herren", 50, 0},
        {4, "Clubspiel", "Landesliga", "Damen", 100, 0},   {4, "Clubspiel", "Bezirksliga", "Senioren", 50, 0},
        {4, "Pokalspiel", "", "Junioren", 50, 0},          {4, "Länderspiel", "", "A-Jugend", 50, 0},
        {5, "", "", "", 50, 0},                            {5, "", "", "", 50, 1},
    };
    for (const Spiel& s : spiele) {
        w->Spielart.setzenText(QString::fromUtf8(s.spielart));
        w->Klasse = s.klasse;
        w->Gruppe = s.gruppe;
        w->Volle = w->Abraeumen = s.volle;
        w->Durchgaenge = 1;
        for (u8* f : {&w->BahnenOk, &w->PaesseOk, &w->Protest, &w->Verletzungen, &w->Verwarnungen, &w->Sonstiges, &w->Anlagen})
            *f = s.flags;
        Aufzeichnungsleinwand vordruck;
        FormularVordruckZeichnen(vordruck, s.layout);
        zeichnen(s.layout);
        ASSERT_FALSE(l.kreuze().isEmpty());
        for (const Zeichnung& z : l.zeichnungen) {
            if (z.art != Art::Kreuz) continue;
            const int px = z.schrift.pixel();
            const QPoint mitte(z.x + px / 3, z.y + px * 58 / 100);  // the middle of the "X"
            bool drin = false;
            for (const Zeichnung& v : vordruck.zeichnungen)
                drin |= v.art == Art::Rechteck && v.rahmen.width() < 60 && v.rahmen.contains(mitte);
            EXPECT_TRUE(drin) << "layout " << s.layout << ": cross at " << z.x << ", " << z.y;
        }
    }
}

TEST_F(Formular3bis6, PainterWritesTextsOnTheBlankForm)
{
    const std::pair<int, QPoint> spielorte[] = {{3, {1400, 416}}, {4, {1910, 404}}, {5, {1500, 120}}, {6, {1400, 284}}};
    for (const auto& [layout, p] : spielorte) {
        k.index = layout;
        const FormularBild b = FormularZeichnen(*w, k);
        ASSERT_EQ(b.bild.size(), QSize(layout == 5 ? 3400 : 3256, 2430)) << layout;
        const QImage vordruck = FormularVordruck(layout);
        const QRect feld(p.x(), p.y() - H, 200, H);
        EXPECT_NE(b.bild.copy(feld), vordruck.copy(feld)) << layout;
    }
}

}  // namespace
