#include "core/Globals.h"
#include "match/lanes/Bahnfenster.h"
#include "match/bus/CanEmpfang.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/engine/Korrektur.h"
#include "match/engine/Wertung.h"
#include "support/Grundlage.h"
#include "support/Sendepuffer.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

namespace {

using Rahmen = std::vector<int>;
using Texte = std::vector<std::string>;

std::string N(int n) { return std::to_string(n); }

template <typename... T>
std::string Verbunden(const T&... teile)
{
    std::string s;
    ((s += std::string(teile.view()) + "|"), ...);
    s.pop_back();
    return s;
}

// Slot 1, lanes 1..4, a points game of 4 Volle and 3 Abräumen throws over
// two rounds: home 1 against guest 9 on lanes 1/2, home 2 against guest 10
// on lanes 3/4.
class Wertung : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        BahnAnzahl = 4;
        CanAktiv = 1;
        WurfblattDrucker.fill(1);
        m.ErsteSpielbahn = 1, m.LetzteSpielbahn = 4;
        m.Volle = 4, m.Abraeumen = 3;
        m.Durchgaenge = 2, m.Spieleranzahl = 6;
        m.Punktespiel = m.Gestartet = 1;
        m.Spielphase = PhaseSpiel;
        for (int n = 1; n <= MaxSpieler; ++n) m.Spieler[n].Wertung = 1, m.Spieler[n].IstHeim = n <= 8;
        aufBahn(1, 1), aufBahn(2, 9), aufBahn(3, 2), aufBahn(4, 10);
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
        const CanRahmen::Wurfmeldung w =
            CanRahmen::WurfmeldungLesen({1, u8(bild & 0x7F), u8(bild >> 7), u8(flags)});
        b.WurfBild = w.bild, b.WurfFlags = u16(w.flags | (flags & 0xFF00)), b.WurfOffen = 1;
        b.WurfHolz = i8(w.holz);
        if (w.fehlwurfHolz) b.FehlwurfHolz = 1;
        WurfAbschliessen(bahn);
    }
    void holz(int bahn, int pins, u16 flags = 0) { wurf(bahn, u16((1u << pins) - 1), flags); }

    std::vector<Rahmen> rahmen(int bahn) const
    {
        return GesendeteRahmen<std::vector<Rahmen>>(bahn);
    }

    TWettkampfDaten& m = Wettkaempfe[1];
    TBahnDaten& b1 = BahnDaten[1];
    TSpielerEintrag& p1 = Wettkaempfe[1].Spieler[1];
    TDurchgangBlock& d1 = Wettkaempfe[1].Spieler[1].Durchgang[1];
};

// --- Booking -------------------------------------------------------------------

using WertungBuchung = Wertung;

TEST_F(WertungBuchung, PartWithMissAndFoulsBooksLanePlayerBlockAndSide)
{
    // Volle: 9, miss, foul felling 3, 5; Abräumen: 3, foul without pins, 2.
    holz(1, 9), holz(1, 0), holz(1, 3, 0x03), holz(1, 5);
    EXPECT_EQ(b1.WuerfeRestDruck.Zahl, 3);  // refilled for the Abräumen throws
    holz(1, 3), holz(1, 0, 0x03), holz(1, 2);

    // Lane WurfNr|Volle|Abr|Gesamt|Total|Fehler, player Volle|Abr|Fehler|Total|Wurf, side Wuerfe|Total|Volle|Abr|Fehler|Plus.
    EXPECT_EQ(Verbunden(b1.TextWurfNr, b1.TextVolle, b1.TextAbraeumen, b1.TextGesamt, b1.TextTotal, b1.TextFehler),
              "  7| 14|  5| 19|0019|  2");
    EXPECT_EQ(Verbunden(p1.Volle.Text, p1.Abr.Text, p1.Fehler.Text, p1.Total.Text, p1.Wurf.Text), " 14|  5|  2|0019|7  ");
    const TMannschaftBlock& h = m.Heim;
    EXPECT_EQ(Verbunden(h.Wuerfe.Text, h.Total.Text, h.Volle.Text, h.Abr.Text, h.Fehler.Text, h.Plus.Text),
              "0007|0019|14  |5   |2   |0019");
    EXPECT_EQ(std::vector<int>({b1.BahnFehler, p1.Fehler.Zahl, d1.Fehler.Zahl, h.Fehler.Zahl}), std::vector<int>(4, 2));
    EXPECT_EQ(Verbunden(b1.WurfHolzVolle, b1.WurfHolzAbraeumen, b1.Spalte1.Text), "9005|302|14");
    EXPECT_EQ(Verbunden(b1.TextName1[1].Wuerfe1bis10, b1.TextName1[2].Wuerfe1bis10), "9005      |302       ");
    EXPECT_EQ(d1.Wurfart[3], 0x203);  // foul with pins: zero, no miss
    EXPECT_EQ(d1.Wurfart[6], 0x03);   // foul without pins: a miss

    holz(1, 9);  // beyond the part: dropped
    EXPECT_EQ(b1.WurfNr, 7);
    EXPECT_EQ(b1.BahnGesamt, 19);
}

TEST_F(WertungBuchung, PrintCharactersAndMarks)
{
    m.Abraeumen = 4;
    m.DrWurfblatt = m.DrZweiBahnen = m.DrZentral = m.DrEinzelbahn = 1;
    struct Fall { int pins; u16 flags; bool ersatz, korrigiert; std::string erwartet; };  // pin character, mark
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
    EXPECT_EQ(b1.BahnVerwarnungen + p1.VerwarnungAnzahl, 2 + 2);
}

TEST_F(WertungBuchung, OverviewGroupsColumnSumsAndPrintLine)
{
    m.Volle = 25;
    b1.DruckSpalte = 10;
    std::vector<int> zeilen;
    // 1..9 and 9 in each group of ten: throws 10 and 20 close their columns.
    for (int k = 1; k <= 25; ++k) {
        holz(1, k % 10 ? k % 10 : 9);
        if (k == 1 || k == 10 || k == 11 || k == 20 || k == 21) zeilen.push_back(b1.DruckZeile);
    }
    EXPECT_EQ(zeilen, (std::vector<int>{13, 22, 24, 33, 35}));
    const TWurfMarken& u = b1.TextName1[1];
    EXPECT_EQ(Verbunden(u.Wuerfe1bis10, u.Wuerfe11bis20, u.Wuerfe21bis25), "1234567899|1234567899|12345");
    EXPECT_EQ(Verbunden(b1.Spalte1.Text, b1.Spalte2.Text, b1.Spalte3.Text), "54|54|15");
}

TEST_F(WertungBuchung, SuddenVictoryBooksIntoTheEntryUpToItsThrows)
{
    m.SVictoryLaeuft = m.SVictoryRunde = 1, m.SVictoryWuerfe = 3;
    m.SVictoryTabelle[1][1].SpielerNr = 1, m.SVictoryTabelle[2][1].SpielerNr = 9;
    holz(1, 5), holz(1, 0), holz(1, 4), holz(1, 9);  // the last beyond the round
    EXPECT_EQ(b1.WurfNr, 3);

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
    // sapH, sapG: this leg's plus the first leg's set points.
    struct Fall { float mapH, mapG; i32 vorH, vorG; bool sv; float sapH, sapG; std::string erwartet; };
    const Fall faelle[] = {{3, 5, 1, 0, false, 0, 0, "1:2"},  {4, 4, 1, 1, false, 0, 0, "2:2"},
                           {5, 3, 65539, 0, false, 0, 0, "5:0"}, {3, 5, 2, 0, true, 16, 15, "2:0"},
                           {3, 5, 2, 0, true, 15, 15, "1:1"}, {5, 3, 0, 2, true, 12, 15, "0:2"},
                           {5, 3, 0, 0, true, 0, 9, "2:0"}};
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
    EXPECT_EQ(m.Heim.ErgebnisMaP - m.Gast.ErgebnisMaP, 2.0f);

    // Once struck, always struck.
    m.Spieler[2].Total.Zahl = 900;
    SpielerplatzierungBerechnen(m);
    EXPECT_EQ(m.Spieler[2].Wertung, 0);
    EXPECT_EQ(m.Heim.Total.Zahl, 1800);
}

// --- Corrections, warnings and substitutions from the lane ---------------------------

using WertungLane = Wertung;

// A throw frame from the lane: pins 1..n felled, flag byte d3.
Rahmen W(int pins, int flags = 0)
{
    const int maske = (1 << pins) - 1;
    return {1, maske & 0x7F, maske >> 7, flags};
}
const Rahmen TeilEnde{};  // not a frame: the lane's part has ended

// Frames of lane 1 through the receiver; a received throw is booked as the
// end-of-lane check does. Every counter afterwards: lane (throw number, part
// sum, Volle, Abräumen, total, misses, throws left), the lane player and his
// block (total, Volle, Abräumen, misses, throws), the home side (throws,
// total, Volle, Abräumen, misses), stored pin characters and overview marks
// (Volle/Abräumen), warnings (lane, player, mark, first remark line), the
// display frames queued (count, last throws left in the phase and in the
// part; a second correction's values take the place of the first's while
// those still wait) and the last throw-sheet entry.
TEST_F(WertungLane, CorrectionsWarningsAndSubstitutesByFrame)
{
    struct Fall { const char* name; std::vector<Rahmen> rahmen; std::string erwartet; };
    const Rahmen Null{34, 'q'}, Werten{34, 0x81}, Weg{34, 'r'}, Warnen{34, 'e'};
    const Fall faelle[] = {
        {"zero on the last Volle throw", {W(9), W(0), W(3), W(7), W(7, 0x50)},
         "L 4 12 12 0 12 2 3 | P 12 12 0 2 4 | S 4 12 12 0 2 | 9030/ 903x/ | V 0 0 - - | R 6 3 3 | Summenzeile 1 4 XK"},
        {"after all on the last Volle throw", {W(9), W(0), W(3), W(7), W(7, 0x50), W(6, 0x10)},
         "L 4 18 18 0 18 1 3 | P 18 18 0 1 4 | S 4 18 18 0 1 | 9036/ 9036/ | V 0 0 - - | R 6 3 3 | Summenzeile 1 4 6K"},
        {"after all, a miss still without pins", {W(9), W(0), W(0, 0x10)},
         "L 2 9 9 0 9 1 2 | P 9 9 0 1 2 | S 2 9 9 0 1 | 90/ 90/ | V 0 0 - - | R 0 - - | Summenzeile 1 2 XK"},
        // A foul carries the overstep bit: a warning.
        {"foul with pins: zero and after all, never a miss", {W(3, 0x03), Null, W(3, 0x10)},
         "L 1 3 3 0 3 0 3 | P 3 3 0 0 1 | S 1 3 3 0 0 | 3/ 3/ | V 1 1 V - | R 6 3 6 | Summenzeile 1 1 3K"},
        {"a filled-in throw holds no pins", {W(9), {35, 2, 0, 9, 0, 9}, Null, W(2, 0x10)},
         "L 2 11 11 0 11 0 2 | P 11 11 0 0 2 | S 2 11 11 0 0 | 92/ 92/ | V 0 0 - - | R 6 2 5 | Summenzeile 1 2 2K"},
        {"remove a miss", {W(9), W(0), Weg},
         "L 1 9 9 0 9 0 3 | P 9 9 0 0 1 | S 1 9 9 0 0 | 9/ 9/ | V 0 0 - - | R 6 3 6 | VorWurf 1"},
        {"remove the first Abräumen throw", {W(9), W(0), W(3), W(7), W(5), {1, 0, 0, 0x20}},
         "L 4 19 19 0 19 1 3 | P 19 19 0 1 4 | S 4 19 19 0 1 | 9037/ 9037/ | V 0 0 - - | R 6 3 3 | VorWurf 1"},
        {"remove all and one more", {W(9), W(0), Weg, Weg, Weg},
         "L 0 0 0 0 0 0 4 | P 0 0 0 0 0 | S 0 0 0 0 0 | / / | V 0 0 - - | R 6 4 7 | VorWurf 1"},
        {"nothing booked yet", {W(5, 0x50), W(5, 0x10), Null, Werten, Weg},
         "L 0 0 0 0 0 0 4 | P 0 0 0 0 0 | S 0 0 0 0 0 | / / | V 0 0 - - | R 0 - - | -"},
        // Total, then part sum (both to the Volle sums: throw 2), then the throw number.
        {"total, part sum and throw number up", {W(9), W(5), {35, 6, 0, 20, 0, 17}},
         "L 6 20 20 0 17 0 1 | P 17 17 0 0 6 | S 6 17 17 0 0 | 95kk/kk 95kk/kk | V 0 0 - - | R 0 - - | VorWurf 1"},
        {"throw number down", {W(9), W(5), W(3), {35, 1, 0, 17, 0, 17}},
         "L 1 9 9 0 9 0 3 | P 9 9 0 0 1 | S 1 9 9 0 0 | 9/ 9/ | V 0 0 - - | R 6 3 6 | VorWurf 1"},
        {"throw number beyond the part", {W(9), {35, 200, 0, 9, 0, 9}},
         "L 7 9 9 0 9 0 0 | P 9 9 0 0 7 | S 7 9 9 0 0 | 9kkk/kkk 9kkk/kkk | V 0 0 - - | R 0 - - | VorWurf 1"},
        {"ended part: the lane's numbers only", {W(9), W(5), TeilEnde, {35, 3, 0, 30, 0, 40}},
         "L 3 30 14 0 40 0 2 | P 14 14 0 0 2 | S 2 14 14 0 0 | 95/ 95/ | V 0 0 - - | R 0 - - | VorWurf 1"},
        {"warned twice", {W(4), Warnen, Warnen},
         "L 1 4 4 0 4 0 3 | P 4 4 0 0 1 | S 1 4 4 0 0 | 4/ 4/ | V 2 2 VV Verwarnung Spieler 1, 1 | R 0 - - | "
         "Summenzeile 1 1  V"},
        {"substitute in home slot 8, warned", {W(5), {34, 'B', 8}, W(3), Warnen},
         "L 2 8 8 0 8 0 2 | P 3 3 0 0 1 | S 2 8 8 0 0 | 53/ 53/ | V 1 1 V Verwarnung Spieler 8 | R 6 - - | "
         "Summenzeile 1 2  V"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SetUp();
        Einst.Bahnsteuerung = 1;
        m.DrWurfblatt = m.DrZweiBahnen = m.DrZentral = m.DrEinzelbahn = 1;
        druck.aufrufe.clear();
        for (const Rahmen& r : f.rahmen) {
            if (r.empty()) {
                b1.TeilBeendet = 1;
                continue;
            }
            TCanNachricht n;
            n.Id = 0x208, n.Laenge = u8(r.size());
            for (std::size_t i = 0; i < r.size(); ++i) n.Daten[int(i)] = u8(r[i]);
            CanNachrichtVerarbeiten(1, n);
            if (b1.WurfOffen) WurfAbschliessen(1);
            WurfGesehen = 0;
        }

        const TSpielerEintrag& p = *b1.BahnSpieler;
        const TDurchgangBlock& d = *p.AktDurchgang;
        auto spielerZahlen = [](const auto& x) {
            return N(x.Total.Zahl) + " " + N(x.Volle.Zahl) + " " + N(x.Abr.Zahl) + " " + N(x.Fehler.Zahl) + " " +
                   N(x.Wurf.Zahl);
        };
        auto marken = [](const TWurfMarken& t) {
            std::string s(t.Wuerfe1bis10.view());
            return s.substr(0, s.find_last_not_of(' ') + 1);
        };
        auto oderStrich = [](std::string_view t) { return t.empty() ? std::string("-") : std::string(t); };
        std::string anzeige[2] = {"-", "-"};  // codes 164, 168
        for (const Rahmen& r : rahmen(1))
            if (r[0] == 35 && (r[1] == 164 || r[1] == 168)) anzeige[r[1] == 168] = N(r[2] * 100 + r[3] * 10 + r[4]);
        const TMannschaftBlock& h = m.Heim;
        const std::string ist =
            "L " + N(b1.WurfNr) + " " + N(b1.BahnGesamt) + " " + N(b1.BahnVolle) + " " + N(b1.BahnAbraeumen) + " " +
            N(b1.BahnTotal) + " " + N(b1.BahnFehler) + " " + N(b1.WuerfeRestDruck.Zahl) + " | P " + spielerZahlen(p) +
            " | S " + N(h.Wuerfe.Zahl) + " " + N(h.Total.Zahl) + " " + N(h.Volle.Zahl) + " " + N(h.Abr.Zahl) + " " +
            N(h.Fehler.Zahl) + " | " + std::string(b1.WurfHolzVolle.view()) + "/" +
            std::string(b1.WurfHolzAbraeumen.view()) + " " + marken(b1.TextName1[1]) + "/" + marken(b1.TextName1[2]) +
            " | V " + N(b1.BahnVerwarnungen) + " " + N(p.VerwarnungAnzahl) + " " + oderStrich(p.VerwarnungText.view()) +
            " " + oderStrich(h.Text[1].view()) + " | R " + N(int(rahmen(1).size())) + " " + anzeige[0] + " " +
            anzeige[1] + " | " + (druck.aufrufe.empty() ? "-" : druck.aufrufe.back());
        EXPECT_EQ(ist, f.erwartet);
        EXPECT_EQ(spielerZahlen(d), spielerZahlen(p));
        // A removed or never booked throw leaves no words behind.
        for (int t = b1.WurfNr + 1; t <= 7; ++t) EXPECT_EQ(d.Wurfbild[t] | d.Wurfart[t], 0) << t;
    }
}

TEST_F(WertungLane, AbraeumenPictureGoesBackToTheLastClearedRack)
{
    Einst.Bahnsteuerung = 2;
    for (int i = 0; i < 4; ++i) holz(1, 9);
    wurf(1, 0x078, 0x04 /* rack cleared */), wurf(1, 0x003), wurf(1, 0x180);
    CanSendenZuruecksetzen();
    b1.WurfHolz = 0, b1.WurfBild = WurfbildVorhanden, b1.WurfFlags = 0x50;  // a correction to zero
    WurfNullWerten(1);
    const auto r = rahmen(1);
    ASSERT_EQ(r.size(), 7u);
    EXPECT_EQ(r[1], (Rahmen{35, 168, 0, 0, 0}));
    EXPECT_EQ(r[2], (Rahmen{35, 164, 0, 0, 0}));
    EXPECT_EQ(r[6], (Rahmen{13, 176, 0x03, 0x00}));
}

TEST_F(WertungLane, RemarkLinesOfTheSides)
{
    m.DrWurfblatt = m.DrZweiBahnen = m.DrZentral = 1;
    holz(1, 4);
    SpielerVerwarnen(1), SpielerVerwarnen(3);
    EXPECT_EQ(m.Verwarnungen, 1);
    EXPECT_EQ(m.Heim.Text[1].view(), "Verwarnung Spieler 1, 2");
    EXPECT_EQ(d1.Wurfart[1], 0x80);

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

// --- Substitutions -----------------------------------------------------------------

using WertungSpieler = Wertung;

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
    struct Fall { int bahn, ersatz; void (*vorher)(TWettkampfDaten&); };
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

}  // namespace
