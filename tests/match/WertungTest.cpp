#include "Aufnahmen.h"
#include "Bahnfenster.h"
#include "CanKarte.h"
#include "CanSenden.h"
#include "Druckdienste.h"
#include "Globals.h"
#include "Wertung.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

namespace {

using Rahmen = std::vector<int>;
using Texte = std::vector<std::string>;

std::string N(int n) { return std::to_string(n); }
std::string Z(char c) { return c ? std::string(1, c) : std::string("-"); }

struct DruckAufnahme : DruckDienste {
    Texte aufrufe;
    void bahndruckBeginnen(int) override {}
    void druckspalteBestimmen(int) override {}
    void bahndruckVorStart(int) override {}
    void bahndruckNachStart(int) override {}
    void bahndruckKopf(int) override {}
    void bahndruckSpielerKopf(int) override {}
    void bahndruckKopfStart(int) override {}
    void bahndruckVorschub(int) override {}
    void bahndruckSpielerStart(int) override {}
    void bahndruckWurf(int b, char h, char m) override { aufrufe.push_back("Wurf " + N(b) + " " + Z(h) + Z(m)); }
    void bahndruckAbschnitt(int b, char h, char m) override { aufrufe.push_back("Abschnitt " + N(b) + " " + Z(h) + Z(m)); }
    void bahndruckVorWurf(int b) override { aufrufe.push_back("VorWurf " + N(b)); }
    void bahndruckVorWertung(int b) override { aufrufe.push_back("VorWertung " + N(b)); }
    void bahndruckWurfzeile(int b, int n, char h) override { aufrufe.push_back("Wurfzeile " + N(b) + " " + N(n) + " " + Z(h)); }
    void bahndruckSummenzeile(int b, int n, char h, char m) override
    {
        aufrufe.push_back("Summenzeile " + N(b) + " " + N(n) + " " + Z(h) + Z(m));
    }
};

struct BahnfensterAufnahme : BahnfensterDienste {
    Texte aufrufe;
    bool aktiv = false;
    void bahnsteuerungAktualisieren(int b) override { aufrufe.push_back("steuerung " + N(b)); }
    void bahnuebersichtAktualisieren(int b) override { aufrufe.push_back("uebersicht " + N(b)); }
    void korrekturAktualisieren(int b) override { aufrufe.push_back("korrektur " + N(b)); }
    bool ergebnistafelAktiv() const override { return aktiv; }
    bool spielberichtAktiv() const override { return aktiv; }
};

template <typename... T>
std::string Verbunden(const T&... teile)
{
    std::string s;
    ((s += std::string(teile.view()) + "|"), ...);
    s.pop_back();
    return s;
}

// Slot 1, lanes 1..4, a points game of 4 Volle and 4 Abräumen throws over
// two rounds: home 1 against guest 9 on lanes 1/2, home 2 against guest 10
// on lanes 3/4.
class Wertung : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalsZuruecksetzen();
        AnzeigezustandZuruecksetzen();
        PlatzierungGesperrt = 0;
        BahnAnzahl = 4;
        CanAktiv = 1;
        CanSendenZuruecksetzen();
        setAnzeigeDienste(&anzeigen);
        setFensterDienste(&fenster);
        setBahnfensterDienste(&bahnfenster);
        setDruckDienste(&druck);
        WurfblattDrucker.fill(1);
        m.ErsteSpielbahn = 1, m.LetzteSpielbahn = 4;
        m.Volle = m.Abraeumen = 4;
        m.Durchgaenge = 2, m.Spieleranzahl = 6;
        m.Punktespiel = m.Gestartet = 1;
        m.Spielphase = PhaseSpiel;
        for (int n = 1; n <= MaxSpieler; ++n) m.Spieler[n].Wertung = 1, m.Spieler[n].IstHeim = n <= 8;
        aufBahn(1, 1), aufBahn(2, 9), aufBahn(3, 2), aufBahn(4, 10);
    }
    void TearDown() override
    {
        setAnzeigeDienste(nullptr);
        setFensterDienste(nullptr);
        setBahnfensterDienste(nullptr);
        setDruckDienste(nullptr);
        WurfblattDrucker.fill(0);
        CanAktiv = 0;
        CanSendenZuruecksetzen();
        AnzeigezustandZuruecksetzen();
        GlobalsZuruecksetzen();
        PlatzierungGesperrt = 0;
    }

    void aufBahn(int bahn, int nr)
    {
        TBahnDaten& b = BahnDaten[bahn];
        TSpielerEintrag& s = m.Spieler[nr];
        b.Wettk = &m, b.BahnSpieler = &s, b.SpielerNr = u8(nr), b.BahnOnline = 1;
        b.WuerfeRestDruck.Zahl = u8(m.Volle);
        b.TextName1[1].leeren(), b.TextName1[2].leeren();
        s.DurchgangNr = 1, s.AktDurchgang = &s.Durchgang[1], s.Durchgang[1].Bahn = u8(bahn), s.Gestartet = 1;
    }

    // A throw as the receive pump leaves it (a foul: flag bits 0 and 1), booked.
    void wurf(int bahn, u16 bild, u16 flags = 0)
    {
        TBahnDaten& b = BahnDaten[bahn];
        b.WurfBild = u16(WurfbildVorhanden | bild), b.WurfFlags = flags, b.WurfOffen = 1;
        b.WurfHolz = i8(std::popcount(unsigned(bild & WurfbildKegelMaske)));
        if ((flags & 0x03) == 0x03 && b.WurfHolz > 0) b.WurfFlags |= 0x200, b.FehlwurfHolz = 1;
        if (flags & 0x01) b.WurfHolz = 0;
        WurfAbschliessen(bahn);
    }
    void holz(int bahn, int pins, u16 flags = 0) { wurf(bahn, u16((1u << pins) - 1), flags); }
    void foulMitHolz(int bahn) { holz(bahn, 3, 0x03); }
    // The last-throw fields as a correction from the lane leaves them.
    void korrektur(int pins, u16 flags)
    {
        b1.WurfHolz = i8(pins), b1.WurfBild = u16(WurfbildVorhanden | ((1u << pins) - 1)), b1.WurfFlags = flags;
    }

    std::vector<Rahmen> rahmen(int bahn) const
    {
        std::vector<Rahmen> r;
        for (int i = 0; i < BahnSendeAnzahl[bahn]; ++i) {
            const TCanNachricht& n = BahnSendepuffer[bahn][(BahnSendeLesezeiger[bahn] + i) % BahnPufferGroesse];
            r.emplace_back(n.Daten.begin(), n.Daten.begin() + n.Laenge);
        }
        return r;
    }
    Rahmen letzter(int bahn) const { return rahmen(bahn).empty() ? Rahmen{} : rahmen(bahn).back(); }

    // Texts (empty until first formed): lane WurfNr|Volle|Abr|Gesamt|Total|Fehler, player Volle|Abr|Fehler|Total|Wurf,
    // side Wuerfe|Total|Volle|Abr|Fehler|Plus.
    std::string bahn1() const
    {
        return Verbunden(b1.TextWurfNr, b1.TextVolle, b1.TextAbraeumen, b1.TextGesamt, b1.TextTotal, b1.TextFehler);
    }
    static std::string spieler(const TSpielerEintrag& s)
    {
        return Verbunden(s.Volle.Text, s.Abr.Text, s.Fehler.Text, s.Total.Text, s.Wurf.Text);
    }
    static std::string seite(const TMannschaftBlock& x)
    {
        return Verbunden(x.Wuerfe.Text, x.Total.Text, x.Volle.Text, x.Abr.Text, x.Fehler.Text, x.Plus.Text);
    }
    // Misses of lane 1, player 1, his block and the home side.
    std::string fehler() const
    {
        return N(b1.BahnFehler) + " " + N(p1.Fehler.Zahl) + " " + N(d1.Fehler.Zahl) + " " + N(m.Heim.Fehler.Zahl);
    }

    TWettkampfDaten& m = Wettkaempfe[1];
    TBahnDaten& b1 = BahnDaten[1];
    TSpielerEintrag& p1 = Wettkaempfe[1].Spieler[1];
    TDurchgangBlock& d1 = Wettkaempfe[1].Spieler[1].Durchgang[1];
    AnzeigenAufnahme anzeigen;
    FensterAufnahme fenster;
    BahnfensterAufnahme bahnfenster;
    DruckAufnahme druck;
};

// --- Booking -------------------------------------------------------------------

using WertungBuchung = Wertung;

TEST_F(WertungBuchung, PartWithMissAndFoulsBooksLanePlayerBlockAndSide)
{
    // Volle: 9, miss, foul felling 3, 5; Abräumen: 3, 4, foul without pins, 2.
    holz(1, 9), holz(1, 0), foulMitHolz(1), holz(1, 5);
    EXPECT_EQ(b1.WuerfeRestDruck.Zahl, 4);  // refilled for the Abräumen throws
    holz(1, 3), holz(1, 4), holz(1, 0, 0x03), holz(1, 2);

    EXPECT_EQ(bahn1(), "  8| 14|  9| 23|0023|  2");
    EXPECT_EQ(spieler(p1), " 14|  9|  2|0023|8  ");
    EXPECT_EQ(seite(m.Heim), "0008|0023|14  |9   |2   |0023");
    EXPECT_EQ(fehler(), "2 2 2 2");
    EXPECT_EQ(d1.Total.Zahl + d1.Wurf.Zahl, 23 + 8);
    EXPECT_EQ(Verbunden(b1.WurfHolzVolle, b1.WurfHolzAbraeumen, b1.Spalte1.Text), "9005|3402|14");
    EXPECT_EQ(Verbunden(b1.TextName1[1].Wuerfe1bis10, b1.TextName1[2].Wuerfe1bis10), "9005      |3402      ");
    EXPECT_EQ(d1.Wurfbild[3], 0x4007);
    EXPECT_EQ(d1.Wurfart[3], 0x203);  // foul with pins: zero, no miss
    EXPECT_EQ(d1.Wurfart[7], 0x03);   // foul without pins: a miss

    holz(1, 9);  // beyond the part: dropped
    EXPECT_EQ(b1.WurfNr, 8);
    EXPECT_EQ(b1.BahnGesamt, 23);
}

TEST_F(WertungBuchung, PrintCharactersAndMarks)
{
    m.DrWurfblatt = m.DrZweiBahnen = m.DrZentral = m.DrEinzelbahn = 1;
    struct Fall {
        int pins;
        u16 flags;
        bool ersatz, korrigiert;
        std::string erwartet;  // pin character and mark ('-' none)
    };
    // A foul carries the overstep bit 0x02: mark 'Ü' and a warning.
    const Fall faelle[] = {{7, 0, 0, 0, "7-"},         {0, 0, 0, 0, "X-"},   {3, 0x03, 0, 0, "0\xDC"},
                           {0, 0x03, 0, 0, "X\xDC"},   {4, 0, 1, 0, "4E"},   {4, 0, 1, 1, "4K"},
                           {4, 0x100, 1, 1, "4Z"},     {4, 0x102, 1, 1, "4\xDC"}};
    for (const Fall& f : faelle) {
        druck.aufrufe.clear();
        b1.Ersatzwurf = f.ersatz, b1.WurfKorrigiert = f.korrigiert;
        holz(1, f.pins, f.flags);
        EXPECT_EQ(druck.aufrufe, (Texte{"Wurf 1 " + f.erwartet, "Abschnitt 1 " + f.erwartet, "VorWurf 1"}));
    }
    // The lists hold digits only: '0' for every zero throw.
    EXPECT_EQ(Verbunden(b1.WurfHolzVolle, b1.WurfHolzAbraeumen), "7000|4444");
    // Three warnings, held at two.
    EXPECT_EQ(p1.VerwarnungText.view(), "VV");
    EXPECT_EQ(b1.BahnVerwarnungen + p1.VerwarnungAnzahl, 4);
}

TEST_F(WertungBuchung, OverviewGroupsColumnSumsAndPrintLine)
{
    m.Volle = 25;
    b1.DruckSpalte = 10;
    std::vector<int> zeilen;
    for (int k = 1; k <= 25; ++k) {
        holz(1, k % 10);
        if (k == 1 || k == 10 || k == 11 || k == 20 || k == 21) zeilen.push_back(b1.DruckZeile);
    }
    EXPECT_EQ(zeilen, (std::vector<int>{13, 22, 24, 33, 35}));
    const TWurfMarken& u = b1.TextName1[1];
    EXPECT_EQ(Verbunden(u.Wuerfe1bis10, u.Wuerfe11bis20, u.Wuerfe21bis25), "1234567890|1234567890|12345");
    EXPECT_EQ(Verbunden(b1.Spalte1.Text, b1.Spalte2.Text, b1.Spalte3.Text), "45|45|15");
}

TEST_F(WertungBuchung, SuddenVictoryBooksIntoTheEntryUpToItsThrows)
{
    m.SVictoryLaeuft = m.SVictoryRunde = 1;
    m.SVictoryWuerfe = 3;
    m.SVictoryTabelle[1][1].SpielerNr = 1;
    m.SVictoryTabelle[2][1].SpielerNr = 9;
    const TSuddenVictoryEintrag& e = m.SVictoryTabelle[1][1];
    holz(1, 5), holz(1, 0), holz(1, 4);
    holz(1, 9);  // beyond the round
    EXPECT_EQ(b1.WurfNr, 3);
    EXPECT_EQ(Verbunden(e.Holz.Text, e.Fehler.Text, e.Wuerfe.Text, b1.WurfHolzVolle), "  9|  1|3  |504");
    EXPECT_EQ(e.Wurfbild[3], 0x400F);
    EXPECT_EQ(p1.Total.Zahl + p1.Wurf.Zahl + m.Heim.Wuerfe.Zahl, 0);  // not the player's records
    EXPECT_EQ(e.SaP, 1.0f);
    EXPECT_EQ(m.SVictoryHeimSaP, 1.0f);

    // An entry holds 50 throws whatever the round asks for.
    m.SVictoryWuerfe = 60;
    for (int i = 0; i < 50; ++i) holz(1, 1);
    EXPECT_EQ(b1.WurfNr, 50);
    EXPECT_EQ(b1.WurfHolzVolle.laenge(), 50u);
    WurfNrKorrigieren(1, 60);
    EXPECT_EQ(b1.WurfNr, 50);
}

// --- Set points and match points -------------------------------------------------

using WertungPunkte = Wertung;

TEST_F(WertungPunkte, LiveSetPointsFollowTheDuel)
{
    Einst.SaPWand = true;
    struct Schritt {
        int bahn, pins;
        float heim, gast;
        Rahmen rahmen1, rahmen2;
    };
    const Schritt schritte[] = {{1, 5, 1.0f, 0.0f, {35, 167, 1, 0}, {35, 167, 0, 0}},
                                {2, 5, 0.5f, 0.5f, {35, 167, 0, 5}, {35, 167, 0, 5}},
                                {2, 3, 0.0f, 1.0f, {35, 167, 0, 0}, {35, 167, 1, 0}}};
    for (const Schritt& s : schritte) {
        holz(s.bahn, s.pins);
        EXPECT_EQ(d1.SaP, s.heim);
        EXPECT_EQ(m.Spieler[9].Durchgang[1].SaP, s.gast);
        EXPECT_EQ(p1.SaP, s.heim);
        EXPECT_EQ(letzter(1), s.rahmen1);
        EXPECT_EQ(letzter(2), s.rahmen2);
    }
    EXPECT_EQ(m.Gast.SaP, 1.0f);
    EXPECT_EQ(m.Heim.SaP, 0.0f);
}

TEST_F(WertungPunkte, MatchPointsBySetPointsThenPinsWithSubstitutes)
{
    m.Spieleranzahl = 5;
    auto setzen = [&](int nr, float r1, float r2, u16 total) {
        TSpielerEintrag& s = m.Spieler[nr];
        s.Durchgang[1].SaP = r1, s.Durchgang[2].SaP = r2, s.Total.Zahl = total, s.Gestartet = 1;
    };
    setzen(1, 1, 0, 400), setzen(9, 0, 1, 390);        // pins decide
    setzen(2, .5f, .5f, 180), setzen(10, .5f, .5f, 380);  // level with the substitute's 200
    setzen(7, 0, 0, 200), m.Spieler[2].ErsetztDurch = 7;
    setzen(3, 1, 1, 0), setzen(11, 0, 0, 0);            // set points decide
    setzen(4, 1, 0, 150), setzen(12, 0, 1, 385);        // won by the substitute's 240
    setzen(8, 0, 0, 240), m.Spieler[4].ErsetztDurch = 8;
    setzen(5, 0, 0, 0), setzen(13, 0, 0, 0), m.Spieler[5].Gestartet = 0;  // not started yet
    m.Heim.Total.Zahl = 1540, m.Gast.Total.Zahl = 1500;
    PunkteBerechnen(m);

    const float erwartet[][2] = {{1, 0}, {.5f, .5f}, {1, 0}, {1, 0}, {0, 0}};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(m.Spieler[i].MaP, erwartet[i - 1][0]) << i;
        EXPECT_EQ(m.Spieler[i + 8].MaP, erwartet[i - 1][1]) << i;
    }
    EXPECT_EQ(m.Spieler[3].SaP, 2.0f);
    EXPECT_EQ(std::vector<float>({m.Heim.SaP, m.Gast.SaP, m.Heim.MaP, m.Gast.MaP}), (std::vector<float>{5, 3, 3.5f, .5f}));
    EXPECT_EQ(std::vector<float>({m.Heim.ErgebnisMaP, m.Gast.ErgebnisMaP, m.Heim.TotalMaP, m.Gast.TotalMaP}),
              (std::vector<float>{2, 0, 5.5f, .5f}));

    m.Gast.Total.Zahl = 1540;
    PunkteBerechnen(m);
    EXPECT_EQ(std::vector<float>({m.Heim.ErgebnisMaP, m.Gast.ErgebnisMaP, m.Heim.TotalMaP, m.Gast.TotalMaP}),
              (std::vector<float>{1, 1, 4.5f, 1.5f}));
}

TEST_F(WertungPunkte, AtTheEndARoundNobodyWonCountsHalf)
{
    m.Spieleranzahl = 1;
    m.Beendet = 1;
    d1.SaP = 1.0f;
    PunkteBerechnen(m);
    EXPECT_EQ(p1.Durchgang[2].SaP, 0.5f);
    EXPECT_EQ(m.Spieler[9].Durchgang[2].SaP, 0.5f);
    EXPECT_EQ(p1.SaP, 1.5f);
    EXPECT_EQ(p1.MaP, 1.0f);
}

TEST_F(WertungPunkte, SetPointsRecomputedFromBlocks)
{
    m.Spieleranzahl = 2;
    auto block = [&](int nr, int d, u16 total, u8 bahn) {
        m.Spieler[nr].Durchgang[d].Total.Zahl = total, m.Spieler[nr].Durchgang[d].Bahn = bahn;
    };
    block(1, 1, 200, 1), block(9, 1, 190, 2);
    block(1, 2, 100, 3), block(7, 2, 95, 3), block(9, 2, 200, 4);  // 195 with the substitute
    p1.ErsetztDurch = 7;
    m.Spieler[2].Durchgang[1].Bahn = 0;  // not played
    m.Spieler[2].Durchgang[1].SaP = 0.25f;
    SatzpunkteBerechnen(m);
    EXPECT_EQ(std::vector<float>({d1.SaP, p1.Durchgang[2].SaP, m.Spieler[9].Durchgang[2].SaP, p1.SaP}),
              (std::vector<float>{1, 0, 1, 1}));
    EXPECT_EQ(m.Spieler[2].Durchgang[1].SaP, 0.25f);

    m.Beendet = 1;
    SatzpunkteBerechnen(m);
    EXPECT_EQ(m.Spieler[2].Durchgang[1].SaP, 0.5f);
    EXPECT_EQ(m.Spieler[10].Durchgang[1].SaP, 0.5f);
}

TEST_F(WertungPunkte, TablePoints)
{
    struct Fall {
        float mapH, mapG;
        i32 vorH, vorG;
        bool sv;
        float sapH, sapG;  // this leg's plus the first leg's set points
        std::string erwartet;
    };
    const Fall faelle[] = {{5, 3, 0, 0, false, 0, 0, "2:0"},     {3, 5, 1, 0, false, 0, 0, "1:2"},
                           {4, 4, 1, 1, false, 0, 0, "2:2"},     {5, 3, 65539, 0, false, 0, 0, "5:0"},
                           {3, 5, 2, 0, true, 16, 15, "2:0"},    {3, 5, 2, 0, true, 15, 15, "1:1"},
                           {5, 3, 0, 2, true, 12, 15, "0:2"},    {5, 3, 0, 0, true, 0, 9, "2:0"}};
    for (const Fall& f : faelle) {
        m.Heim.TotalMaP = f.mapH, m.Gast.TotalMaP = f.mapG;
        m.Heim.VorTaP = f.vorH, m.Gast.VorTaP = f.vorG;
        m.SVictory2Spiele = f.sv;
        m.Heim.SaP = f.sapH - 4, m.Heim.VorSaP = 4;
        m.Gast.SaP = f.sapG - 3, m.Gast.VorSaP = 3;
        TabellenpunkteBerechnen(m);
        EXPECT_EQ(std::string(m.Heim.TaP.view()) + ":" + std::string(m.Gast.TaP.view()), f.erwartet)
            << f.mapH << ":" << f.mapG << " sv " << f.sv;
    }
}

// --- Ranking -----------------------------------------------------------------------

using WertungPlatz = Wertung;

TEST_F(WertungPlatz, WithoutStrikingSubstitutesShareTheRank)
{
    auto setzen = [&](int nr, u16 total, u16 abr, u16 fehler) {
        m.Spieler[nr].Total.Zahl = total, m.Spieler[nr].Abr.Zahl = abr, m.Spieler[nr].Fehler.Zahl = fehler;
    };
    setzen(1, 400, 130, 5), setzen(2, 380, 120, 3);
    setzen(3, 200, 60, 2), setzen(7, 210, 70, 1);  // 410 together
    m.Spieler[3].ErsetztDurch = 7, m.Spieler[7].Ersatz = 3;
    setzen(4, 400, 130, 4);  // fewer misses than player 1
    setzen(6, 400, 140, 9);  // more Abräumen than players 1 and 4
    setzen(9, 100, 0, 0), setzen(10, 5000, 0, 0), setzen(11, 1000, 0, 0);  // keys beyond 32 bits
    m.Heim.Total.Zahl = 1234;
    SpielerplatzierungBerechnen(m);
    std::vector<int> plaetze;
    for (int nr : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}) plaetze.push_back(m.Spieler[nr].Platz);
    EXPECT_EQ(plaetze, (std::vector<int>{4, 5, 1, 3, 6, 2, 1, 0, 3, 1, 2}));
    EXPECT_EQ(m.Heim.Total.Zahl, 1234);

    PlatzierungGesperrt = 1;
    m.Spieler[5].Total.Zahl = 999;
    SpielerplatzierungBerechnen(m);
    EXPECT_EQ(m.Spieler[5].Platz, 6);
}

TEST_F(WertungPlatz, StrikingDropsRanksSevenAndEightFromTotalsAndPoints)
{
    m.Streichspiel = 1;
    m.Spieleranzahl = 8;
    for (int nr = 1; nr <= 16; ++nr) {
        const u16 t = nr == 2 || nr == 5 ? 10 : nr <= 8 ? 300 : nr <= 14 ? 290 : 100;
        m.Spieler[nr].Total.Zahl = m.Spieler[nr].Volle.Zahl = t;
    }
    m.Heim.Total.Zahl = 1820, m.Gast.Total.Zahl = 1940;
    PunkteBerechnen(m);
    EXPECT_EQ(m.Gast.ErgebnisMaP, 2.0f);

    SpielerplatzierungBerechnen(m);
    for (int nr = 1; nr <= 8; ++nr) EXPECT_EQ(m.Spieler[nr].Wertung, nr == 2 || nr == 5 ? 0 : 1) << nr;
    EXPECT_EQ(m.Spieler[2].Platz + m.Spieler[5].Platz, 7 + 8);
    EXPECT_EQ(m.Spieler[15].Wertung + m.Spieler[16].Wertung, 0);
    EXPECT_EQ(Verbunden(m.Heim.Total.Text, m.Heim.Volle.Text, m.Heim.Plus.Text, m.Gast.Total.Text),
              "1800|1800|0060|1740");
    EXPECT_EQ(m.Heim.ErgebnisMaP, 2.0f);
    EXPECT_EQ(m.Gast.ErgebnisMaP, 0.0f);

    // Once struck, always struck.
    m.Spieler[2].Total.Zahl = 900;
    SpielerplatzierungBerechnen(m);
    EXPECT_EQ(m.Spieler[2].Wertung, 0);
    EXPECT_EQ(m.Heim.Total.Zahl, 1800);
}

// --- Corrections ---------------------------------------------------------------------

using WertungKorrektur = Wertung;

TEST_F(WertungKorrektur, CountZeroAndCountAfterAll)
{
    Einst.Bahnsteuerung = 1;
    m.DrWurfblatt = m.DrZweiBahnen = m.DrZentral = m.DrEinzelbahn = 1;
    holz(1, 7);
    CanSendenZuruecksetzen();
    druck.aufrufe.clear();
    korrektur(7, 0x50);
    WurfNullWerten(1);
    EXPECT_EQ(bahn1(), "  1|  0||  0|0000|  1");
    EXPECT_EQ(spieler(p1), "  0|  0|  1|0000|1  ");
    EXPECT_EQ(fehler(), "1 1 1 1");
    EXPECT_EQ(m.Heim.Total.Text.view(), "0000");
    EXPECT_EQ(Verbunden(b1.WurfHolzVolle, b1.Spalte1.Text), "0| 0");
    EXPECT_EQ(b1.TextName1[1].marke(1), 'x');
    EXPECT_EQ(d1.Wurfart[1], 0x50);
    EXPECT_EQ(rahmen(1), (std::vector<Rahmen>{{35, 161, 0, 0, 1}, {35, 168, 0, 0, 7}, {35, 164, 0, 0, 3},
                                              {35, 162, 0, 0, 0}, {35, 163, 0, 0, 0, 0}, {35, 165, 0, 0, 1}}));
    EXPECT_EQ(druck.aufrufe, (Texte{"VorWertung 1", "Wurfzeile 1 1 X", "Summenzeile 1 1 XK"}));

    druck.aufrufe.clear();
    korrektur(6, 0x10);
    WurfWerten(1);
    EXPECT_EQ(bahn1(), "  1|  6||  6|0006|  0");
    EXPECT_EQ(fehler(), "0 0 0 0");
    EXPECT_EQ(m.Heim.Total.Text.view(), "0006");
    EXPECT_EQ(Verbunden(b1.WurfHolzVolle, b1.Spalte1.Text), "6| 6");
    EXPECT_EQ(d1.Wurfart[1], 0x10);
    EXPECT_EQ(druck.aufrufe, (Texte{"VorWertung 1", "Wurfzeile 1 1 6", "Summenzeile 1 1 6K"}));
}

TEST_F(WertungKorrektur, AbraeumenPictureGoesBackToTheLastClearedRack)
{
    Einst.Bahnsteuerung = 2;
    for (int i = 0; i < 4; ++i) holz(1, 9);
    wurf(1, 0x007), wurf(1, 0x078, 0x04 /* rack cleared */), wurf(1, 0x003), wurf(1, 0x180);
    CanSendenZuruecksetzen();
    korrektur(0, 0x50);
    WurfNullWerten(1);
    const auto r = rahmen(1);
    ASSERT_EQ(r.size(), 7u);
    EXPECT_EQ(r[1], (Rahmen{35, 168, 0, 0, 0}));
    EXPECT_EQ(r[2], (Rahmen{35, 164, 0, 0, 0}));
    EXPECT_EQ(r[6], (Rahmen{13, 176, 0x03, 0x00}));
}

TEST_F(WertungKorrektur, ZeroThrowsWithoutAMissNeverTakeOrGiveOne)
{
    foulMitHolz(1);
    korrektur(0, 0x50);
    WurfNullWerten(1);
    EXPECT_EQ(fehler(), "0 0 0 0");
    korrektur(3, 0x10);
    WurfWerten(1);
    EXPECT_EQ(b1.BahnGesamt, 3);
    EXPECT_EQ(fehler(), "0 0 0 0");

    // A throw filled in by a throw-number correction ('k') holds no pins.
    WurfNrKorrigieren(1, 2);
    korrektur(0, 0x50);
    WurfNullWerten(1);
    EXPECT_EQ(b1.BahnGesamt + m.Heim.Total.Zahl, 3 + 3);
    EXPECT_EQ(fehler(), "0 0 0 0");
    korrektur(2, 0x10);
    WurfWerten(1);
    EXPECT_EQ(b1.BahnGesamt, 5);
    EXPECT_EQ(fehler(), "0 0 0 0");

    foulMitHolz(1);
    WurfUngueltigWerten(1);
    EXPECT_EQ(fehler(), "0 0 0 0");
    EXPECT_EQ(b1.WurfNr, 2);
}

TEST_F(WertungKorrektur, RemoveTakesTheThrowOut)
{
    holz(1, 9), holz(1, 0);
    WurfUngueltigWerten(1);
    EXPECT_EQ(bahn1(), "  1|  9||  9|0009|  0");
    EXPECT_EQ(spieler(p1), "  9|  0|  0|0009|1  ");
    EXPECT_EQ(fehler(), "0 0 0 0");
    EXPECT_EQ(m.Heim.Wuerfe.Text.view(), "0001");
    EXPECT_EQ(Verbunden(b1.WuerfeRestDruck.Text, b1.WurfHolzVolle, b1.TextName1[1].Wuerfe1bis10), "003|9|9         ");
    EXPECT_EQ(d1.Wurfbild[2] | d1.Wurfart[2], 0);

    WurfUngueltigWerten(1);
    EXPECT_EQ(bahn1(), "  0|  0||  0|0000|  0");
    EXPECT_EQ(seite(m.Heim), "0000|0000|0   ||0   |0000");
    EXPECT_EQ(b1.Spalte1.Zahl, 0);

    WurfUngueltigWerten(1);  // nothing left to remove
    EXPECT_EQ(m.Heim.Wuerfe.Zahl + p1.Wurf.Zahl + b1.WurfNr, 0);
}

TEST_F(WertungKorrektur, ThrowNumberFillsInAndRemovesThrows)
{
    holz(1, 9), holz(1, 5);
    WurfNrKorrigieren(1, 5);
    EXPECT_EQ(b1.WurfNr, 5);
    EXPECT_EQ(Verbunden(b1.WurfHolzVolle, b1.WurfHolzAbraeumen, b1.TextName1[1].Wuerfe1bis10, b1.TextName1[2].Wuerfe1bis10),
              "95kk|k|95kk      |k         ");
    for (int t = 3; t <= 5; ++t) EXPECT_EQ(d1.Wurfbild[t] << 16 | d1.Wurfart[t], 0x6000 << 16 | 0x10);
    EXPECT_EQ(Verbunden(p1.Wurf.Text, m.Heim.Wuerfe.Text, b1.WuerfeRestDruck.Text), "5  |0005|003");
    EXPECT_EQ(b1.BahnGesamt, 14);
    EXPECT_EQ(fehler(), "0 0 0 0");

    WurfNrKorrigieren(1, 2);
    EXPECT_EQ(b1.WurfNr, 2);
    EXPECT_EQ(Verbunden(p1.Wurf.Text, m.Heim.Wuerfe.Text, b1.WuerfeRestDruck.Text), "2  |0002|002");
    EXPECT_EQ(Verbunden(b1.WurfHolzVolle, b1.WurfHolzAbraeumen), "95|");
    EXPECT_EQ(d1.Wurfbild[3] | d1.Wurfart[4] | d1.Wurfbild[5], 0);

    // Clamped to the part; a lane without a match to the block size.
    WurfNrKorrigieren(1, 200);
    EXPECT_EQ(b1.WurfNr, 8);
    EXPECT_EQ(b1.WurfHolzAbraeumen.view(), "kkkk");
    EXPECT_EQ(p1.Wurf.Zahl, 8);
    WurfNrKorrigieren(5, 300);
    EXPECT_EQ(BahnDaten[5].WurfNr, MaxWuerfe);

    b1.TeilBeendet = 1;  // a finished part takes only the number
    WurfNrKorrigieren(1, 3);
    EXPECT_EQ(b1.WurfNr, 3);
    EXPECT_EQ(p1.Wurf.Zahl, 8);
}

TEST_F(WertungKorrektur, PartSumAndRunningTotal)
{
    holz(1, 9), holz(1, 5);
    GesamtKorrigieren(1, 20);
    EXPECT_EQ(bahn1(), "  2| 20|| 20|0014|");
    EXPECT_EQ(p1.Total.Zahl, 14);
    EXPECT_EQ(b1.WurfKorrigiert, 1);

    b1.WurfKorrigiert = 0;
    TotalKorrigieren(1, 17);
    EXPECT_EQ(b1.TextTotal.view(), "0017");
    EXPECT_EQ(spieler(p1), " 17|  0|  0|0017|2  ");
    EXPECT_EQ(d1.Total.Zahl, 17);
    EXPECT_EQ(seite(m.Heim), "0002|0017|17  ||0   |0017");
    EXPECT_EQ(b1.WurfKorrigiert, 1);

    b1.TeilBeendet = 1;
    GesamtKorrigieren(1, 30);
    TotalKorrigieren(1, 40);
    EXPECT_EQ(bahn1(), "  2| 20|| 30|0040|");
    EXPECT_EQ(p1.Total.Zahl, 17);
}

TEST_F(WertungKorrektur, WithoutABookedThrowNothingChanges)
{
    Einst.Bahnsteuerung = 1;
    korrektur(5, 0x50);
    WurfNullWerten(1), WurfWerten(1), WurfUngueltigWerten(1);
    EXPECT_EQ(b1.BahnGesamt + b1.WurfNr + p1.Wurf.Zahl + m.Heim.Wuerfe.Zahl + m.Heim.Total.Zahl, 0);
    EXPECT_EQ(fehler(), "0 0 0 0");
    EXPECT_TRUE(rahmen(1).empty());
    EXPECT_TRUE(b1.WurfHolzVolle.leer());
}

// --- Warnings and substitutions -------------------------------------------------------

using WertungSpieler = Wertung;

TEST_F(WertungSpieler, WarningsCountAndGoIntoTheRemarkLines)
{
    m.DrWurfblatt = m.DrZweiBahnen = m.DrZentral = 1;
    holz(1, 4);
    SpielerVerwarnen(1);
    EXPECT_EQ(p1.VerwarnungText.view(), "V");
    EXPECT_EQ(m.Verwarnungen, 1);
    EXPECT_EQ(m.Heim.Text[1].view(), "Verwarnung Spieler 1");
    EXPECT_EQ(d1.Wurfart[1], 0x80);
    EXPECT_EQ(druck.aufrufe.back(), "Summenzeile 1 1  V");

    SpielerVerwarnen(3), SpielerVerwarnen(1);
    EXPECT_EQ(m.Heim.Text[1].view(), "Verwarnung Spieler 1, 2, 1");
    EXPECT_EQ(p1.VerwarnungText.view(), "VV");
    EXPECT_EQ(b1.BahnVerwarnungen, 2);

    // Guest 9 has not thrown: the warning counts but marks no throw.
    m.Gast.Text[1] = "Protest";
    SpielerVerwarnen(2);
    EXPECT_EQ(m.Gast.Text[2].view(), "Verwarnung Spieler 1");
    EXPECT_EQ(m.Spieler[9].VerwarnungAnzahl, 1);
    EXPECT_EQ(BahnDaten[2].WurfFlags, 0);
    for (u16 art : m.Spieler[9].Durchgang[1].Wurfart) EXPECT_EQ(art, 0);

    for (auto& zeile : m.Gast.Text) zeile = "anderes";
    SpielerVerwarnen(4);  // no free line: counted, not written
    EXPECT_EQ(m.Spieler[10].VerwarnungText.view(), "V");
    for (auto& zeile : m.Gast.Text) EXPECT_EQ(zeile.view(), "anderes");
}

TEST_F(WertungSpieler, SubstituteKeepsTheDuelInTheStartersRecords)
{
    m.DrWurfblatt = m.DrZweiBahnen = 1;
    TSpielerEintrag& p9 = m.Spieler[9];
    TSpielerEintrag& p15 = m.Spieler[15];
    p15.Name = "Ersatzmann Fritz";
    holz(1, 5), holz(2, 3);
    CanSendenZuruecksetzen();

    SpielerWechseln(2, 15);
    EXPECT_EQ(p9.Fertig, 1);
    EXPECT_EQ(BahnDaten[2].SpielerNr, 15);
    EXPECT_EQ(p15.AktDurchgang, &p15.Durchgang[1]);
    EXPECT_EQ(p15.Durchgang[1].Bahn + p15.Gestartet, 2 + 1);
    EXPECT_EQ(m.Gast.Ersatz7Eingesetzt, 1);
    EXPECT_EQ(fenster.aufrufe, (QStringList{"spieler 0 9", "spieler 0 15"}));
    const auto r = rahmen(2);
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[0], (Rahmen{170, 15, 'E', 'r', 's', 'a', 't', 'z'}));
    EXPECT_EQ(r[4], (Rahmen{66, 15}));
    EXPECT_EQ(r[5], (Rahmen{34, 'f'}));
    EXPECT_EQ(rahmen(1).size(), 4u);  // the first lane shows the name as well

    holz(2, 2);
    EXPECT_EQ(druck.aufrufe.back(), "Wurf 2 2E");
    EXPECT_EQ(p15.Total.Zahl, 2);
    EXPECT_EQ(p9.Total.Zahl, 3);
    EXPECT_EQ(std::vector<float>({d1.SaP, p9.Durchgang[1].SaP, p15.Durchgang[1].SaP}), (std::vector<float>{.5f, .5f, 0}));
    EXPECT_EQ(p1.MaP, 0.5f);  // 5 pins against 3 + 2

    holz(2, 1);
    EXPECT_EQ(p9.Durchgang[1].SaP, 1.0f);
    EXPECT_EQ(p9.MaP, 1.0f);
}

TEST_F(WertungSpieler, SubstitutionRefusals)
{
    struct Fall {
        int bahn, ersatz;
        void (*vorher)(TWettkampfDaten&);
    };
    const Fall faelle[] = {
        {1, 15, [](TWettkampfDaten&) {}},  // guest slot for a home player
        {2, 7, [](TWettkampfDaten&) {}},   // home slot for a guest
        {1, 3, [](TWettkampfDaten&) {}},
        {1, 0, [](TWettkampfDaten&) {}},
        {1, 7, [](TWettkampfDaten& w) { w.Heim.Ersatz7Eingesetzt = 1; }},
        {1, 8, [](TWettkampfDaten& w) { w.Streichspiel = 1; }},
        {1, 7, [](TWettkampfDaten& w) { w.Spieleranzahl = 8; }},
    };
    for (const Fall& f : faelle) {
        SetUp();
        f.vorher(m);
        TSpielerEintrag* vorher = BahnDaten[f.bahn].BahnSpieler;
        SpielerWechseln(f.bahn, f.ersatz);
        EXPECT_EQ(BahnDaten[f.bahn].BahnSpieler, vorher) << f.bahn << " " << f.ersatz;
        EXPECT_EQ(vorher->ErsetztDurch + vorher->Fertig, 0);
    }
}

// --- Helpers and refreshes -----------------------------------------------------------

using WertungHilfen = Wertung;

TEST_F(WertungHilfen, PartnersCarriersAndNumbers)
{
    m.ErsteSpielbahn = 3;
    EXPECT_EQ(std::vector<int>({PartnerBahn(m, 3), PartnerBahn(m, 4), PartnerBahn(m, 5)}), (std::vector<int>{4, 3, 6}));
    m.Spieler[15].Ersatz = 9;
    m.Spieler[16].Ersatz = 15;
    EXPECT_EQ(Ergebnistraeger(m, &m.Spieler[16]), &m.Spieler[9]);
    EXPECT_EQ(Ergebnistraeger(m, &m.Spieler[9]), &m.Spieler[9]);
    EXPECT_EQ(Ergebnistraeger(m, nullptr), nullptr);
    EXPECT_EQ(SpielerNummer(m, &m.Spieler[12]), 12);
    EXPECT_EQ(SpielerNummer(m, &Wettkaempfe[2].Spieler[12]), 0);
}

TEST_F(WertungHilfen, BookingRefreshesLaneWindowsTablesAndBoards)
{
    AktWettkampf = AnzeigeWettkampf = &m;
    bahnfenster.aktiv = true;
    m.MannschaftsanzeigeEin = 1;
    holz(1, 5);
    EXPECT_EQ(bahnfenster.aufrufe, (Texte{"steuerung 1", "uebersicht 1", "uebersicht 2", "korrektur 1"}));
    EXPECT_EQ(fenster.aufrufe,
              (QStringList{"spieler 1 1", "spieler 1 9", "aktualisieren 2", "anzeige spieler 1", "anzeige spieler 9"}));
    EXPECT_EQ(anzeigen.aufrufe, (QStringList{"MErgebnis 1", "MErgebnis 2"}));
}

}  // namespace
