#include "displays/Mannschaftsanzeige.h"

#include "core/Anzeigedienste.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "match/bus/CanKarte.h"
#include "support/Grundlage.h"
#include "support/Sendepuffer.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Rahmen = std::vector<Anzeigerahmen>;

struct ZuordnungFall {
    int bahnen, tafeln, erste, letzte;
    bool zuschalten;
    std::vector<int> erwartet;  // lanes erste..; empty: nothing changes
};

}  // namespace

TEST(Tafelzuordnung, BoardsFollowTheLanesAndStayInRange)
{
    const ZuordnungFall faelle[] = {
        {6, 3, 1, 2, false, {1, 1}},       {6, 3, 3, 4, false, {2, 2}},       {6, 3, 5, 6, false, {3, 3}},
        {6, 3, 1, 2, true, {1, 2}},        {6, 3, 3, 4, true, {2, 3}},        {6, 3, 5, 6, true, {3, 3}},
        {8, 2, 1, 4, false, {1, 1, 1, 1}}, {8, 2, 5, 8, false, {2, 2, 2, 2}}, {8, 2, 3, 6, false, {1, 1, 1, 1}},
        {8, 2, 3, 6, true, {1, 1, 1, 2}},  {11, 4, 9, 10, false, {4, 4}},     {11, 4, 9, 10, true, {4, 4}},
        // A match on every lane of the alley: its first lane is lane 1, so board 1.
        {8, 2, 1, 8, false, {1, 1, 1, 1, 1, 1, 1, 1}}, {8, 2, 1, 8, true, {1, 1, 1, 1, 1, 1, 1, 2}},
        {6, 0, 1, 2, false, {}},           {4, 5, 1, 2, false, {}},           {6, 3, 5, 8, false, {}},
    };
    for (const ZuordnungFall& f : faelle) {
        Array1<u8, MaxBahnen> z;
        z.fill(0xEE);
        TafelnZuordnen(z, f.erste, f.letzte, f.bahnen, f.tafeln, f.zuschalten);
        for (int k = 1; k <= MaxBahnen; ++k) {
            const int i = k - f.erste;
            const int soll = i >= 0 && i < int(f.erwartet.size()) ? f.erwartet[std::size_t(i)] : 0xEE;
            EXPECT_EQ(z[k], soll) << f.bahnen << "/" << f.tafeln << " " << f.erste << "-" << f.letzte << " lane " << k;
        }
    }
}

namespace {

// One match on lanes 1-2 of a four-lane alley, board 1: a home player on
// lane 1, a guest on lane 2.
class Mannschaftstafel : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        m.zuruecksetzen();
        Einst.PcEinheit = 1;
        CanSendenZuruecksetzen();
        CanAktiv = 1;
        BahnAnzahl = 4;
        Einst.MannschanzOn = true;
        Einst.MannschAnzeigeAnz = 2;
        MannschanzBreite = 11;
        belegen(w, 1, 2);
        w.Heim.Wuerfe.Text = "0120";
        w.Heim.Total.Text = "0456";
        w.Gast.Wuerfe.Text = "0118";
        w.Gast.Total.Text = "0431";
    }
    void TearDown() override
    {
        m.zuruecksetzen();
        Grundlage::TearDown();
    }

    // Home on the odd lanes, guests on the even ones; two lanes a board.
    void belegen(TWettkampfDaten& x, int erste, int letzte)
    {
        x.ErsteSpielbahn = u8(erste);
        x.LetzteSpielbahn = u8(letzte);
        x.Gestartet = 1;
        x.Spielphase = PhaseSpiel;
        for (int k = erste; k <= letzte; ++k) {
            BahnDaten[k].Wettk = &x;
            BahnDaten[k].BahnSpieler = &x.Spieler[k];
            x.Spieler[k].IstHeim = k % 2;
            MannschanzZuordnung[k] = u8((k + 1) / 2);
        }
    }

    Rahmen gesendet()
    {
        Rahmen r = GesendeteAnzeigerahmen();
        CanSendenZuruecksetzen();
        return r;
    }

    Mannschaftsanzsteuerung& m = mannschaftsanzsteuerung();
    TWettkampfDaten w;
    TWettkampfDaten v;
};

// A 234 frame to the team boards (T) or the name boards (N): address byte
// and the six characters.
Anzeigerahmen T(int adresse, const char (&z)[7], u32 id = 0x308)
{
    CanDaten d{234, u8(adresse)};
    d.laenge = 8;
    for (int i = 0; i < 6; ++i) d.d[std::size_t(2 + i)] = u8(z[i]);
    return {id, d};
}
Anzeigerahmen N(int adresse, const char (&z)[7]) { return T(adresse, z, 0x310); }

}  // namespace

TEST_F(Mannschaftstafel, RowsOnAnElevenWideBoard)
{
    m.MannschaftsanzeigeLoeschen(1, 2);
    m.MannschaftsanzeigeKennzeichnen(1, 2);
    m.MannschaftsanzeigeProbe(2);
    m.MannschaftsergebnisAnzeigen(1);
    EXPECT_EQ(gesendet(), (Rahmen{T(0x11, "      "), T(0x17, "     \0"), T(0x21, "      "), T(0x27, "     \0"),
                                  T(0x11, "H     "), T(0x17, "     \0"), T(0x21, "G     "), T(0x27, "     \0"),
                                  T(0x21, "PROBE "), T(0x27, "     \0"), T(0x13, "0120\0\0"), T(0x18, "0456\0\0")}));
}

TEST_F(Mannschaftstafel, RowsOnANineWideBoardHaveNoMarkers)
{
    MannschanzBreite = 9;
    m.MannschaftsanzeigeKennzeichnen(1, 1);
    m.MannschaftsanzeigeProbe(2);
    m.MannschaftsergebnisAnzeigen(2);
    EXPECT_EQ(gesendet(), (Rahmen{T(0x11, "      "), T(0x17, "   \0\0\0"), T(0x21, "      "), T(0x27, "   \0\0\0"),
                                  T(0x21, "PROBE "), T(0x27, "   \0\0\0"), T(0x21, "0118\0\0"), T(0x26, "0431\0\0")}));
}

TEST_F(Mannschaftstafel, PracticeRebuildWritesProbeOnTheLanesSideOnly)
{
    w.Spielphase = PhaseProbe;
    m.MannschaftsanzeigeNeuAufbauen({2});
    EXPECT_EQ(gesendet(), (Rahmen{T(0x11, "      "), T(0x17, "     \0"), T(0x21, "      "), T(0x27, "     \0"),
                                  T(0x21, "PROBE "), T(0x27, "     \0")}));
}

TEST_F(Mannschaftstafel, RebuildOfTwoLanesBlanksOnceAndKeepsBothSides)
{
    m.MannschaftsanzeigeNeuAufbauen({1, 2});
    EXPECT_EQ(gesendet(), (Rahmen{T(0x11, "      "), T(0x17, "     \0"), T(0x21, "      "), T(0x27, "     \0"),
                                  T(0x11, "H     "), T(0x17, "     \0"), T(0x21, "G     "), T(0x27, "     \0"),
                                  T(0x13, "0120\0\0"), T(0x18, "0456\0\0"), T(0x23, "0118\0\0"), T(0x28, "0431\0\0")}));
}

TEST_F(Mannschaftstafel, HomeRowAlternatesWhileTheGuestRowKeepsItsPoints)
{
    Einst.Punkteanzeige = Einst.MaPMannsch = true;
    w.MaPMannsch = w.MaPMaWechsel = 1;
    w.Heim.TotalMaP = 2;
    w.Gast.TotalMaP = 10.5f;
    m.MannschaftsergebnisAnzeigen(1);
    m.MannschaftsergebnisAnzeigen(2);
    EXPECT_EQ(gesendet(), (Rahmen{T(0x13, "0120\0\0"), T(0x18, "0456\0\0"), T(0x23, "10.\0\0\0"), T(0x28, "0431\0\0")}));

    m.TimerWechsel.tick();  // interval 0: a flip on every tick
    EXPECT_EQ(gesendet(), (Rahmen{T(0x13, "2.0\0\0\0"), T(0x18, "0456\0\0")}));
    m.TimerWechsel.tick();
    EXPECT_EQ(gesendet(), (Rahmen{T(0x13, "0120\0\0"), T(0x18, "0456\0\0")}));

    // The guest row follows its match's switch, not the setting.
    w.MaPMannsch = 0;
    m.MannschaftsergebnisAnzeigen(2);
    EXPECT_EQ(gesendet(), (Rahmen{T(0x23, "0118\0\0"), T(0x28, "0431\0\0")}));
}

TEST_F(Mannschaftstafel, TwoAlternatingMatchesFlipOncePerTick)
{
    belegen(v, 3, 4);
    w.MaPMaWechsel = v.MaPMaWechsel = 1;
    Einst.MaPMaIntervall = 30000;
    m.TimerWechsel.setEnabled(true);
    for (int zaehler : {10000, 20000, 0}) {
        EXPECT_EQ(m.MaPZustand, 0);
        EXPECT_TRUE(gesendet().empty());
        m.TimerWechsel.tick();
        EXPECT_EQ(m.MaPZaehler, zaehler);
    }
    EXPECT_EQ(m.MaPZustand, 1);
    std::vector<int> adressen;
    for (const Anzeigerahmen& r : gesendet()) adressen.push_back(r.daten.d[1]);
    EXPECT_EQ(adressen, (std::vector<int>{0x13, 0x18, 0x33, 0x38}));  // each match's home row
    EXPECT_TRUE(m.TimerWechsel.enabled());

    // No started match alternates any more: the tick stops itself.
    v.Beendet = 1;
    w.MaPMaWechsel = 0;
    m.TimerWechsel.tick();
    EXPECT_FALSE(m.TimerWechsel.enabled());

    // A throw without alternation leaves the timer as it is; one with starts it.
    for (bool an : {true, false}) {
        m.TimerWechsel.setEnabled(an);
        w.MaNaWechsel = !an;
        m.MannschaftsergebnisAnzeigen(1);
        EXPECT_TRUE(m.TimerWechsel.enabled());
    }
}

TEST_F(Mannschaftstafel, WithoutTeamBoardsTheTotalsGoToTheNameBoardsOfTheSameSide)
{
    Einst.MannschanzOn = false;
    Einst.NamenanzOn = true;
    Einst.NamenAnzeigeDig = 11;
    belegen(w, 1, 4);
    m.MannschaftsergebnisAnzeigen(3);
    EXPECT_EQ(gesendet(), (Rahmen{N(0x13, "0120\0\0"), N(0x18, "0456\0\0"), N(0x33, "0120\0\0"), N(0x38, "0456\0\0")}));

    // Width 9 puts them at columns 1 and 6; a lane without a player is left.
    Einst.NamenAnzeigeDig = 9;
    BahnDaten[4].BahnSpieler = nullptr;
    m.MannschaftsergebnisAnzeigen(2);
    EXPECT_EQ(gesendet(), (Rahmen{N(0x21, "0118\0\0"), N(0x26, "0431\0\0")}));
}

TEST_F(Mannschaftstafel, AssignmentTakesTheSettingsAndTheCurrentMatchsExtraBoard)
{
    MannschanzZuordnung.fill(0);
    w.MannschNamenAnzeigen = 1;
    m.MannschaftsanzeigenZuordnen(1, 2);
    EXPECT_EQ(MannschanzZuordnung[2], 1);
    AktWettkampf = &w;
    m.MannschaftsanzeigenZuordnen(1, 2);
    EXPECT_EQ((std::vector<int>{MannschanzZuordnung[1], MannschanzZuordnung[2]}), (std::vector<int>{1, 2}));
    Einst.MannschanzOn = false;
    m.MannschaftsanzeigenZuordnen(3, 4);
    EXPECT_EQ(MannschanzZuordnung[3], 0);
}

TEST_F(Mannschaftstafel, LanesAndBoardsOutOfRangeAreIgnored)
{
    BahnDaten[5].Wettk = &w;  // beyond the alley's four lanes
    BahnDaten[5].BahnSpieler = &w.Spieler[1];
    for (int bahn : {0, 5, 17}) {
        m.MannschaftsergebnisAnzeigen(bahn);
        m.MannschaftsanzeigeProbe(bahn);
        m.MannschaftsanzeigeNeuAufbauen({bahn});
    }
    MannschanzZuordnung[1] = MannschanzZuordnung[2] = 9;
    m.MannschaftsanzeigeLoeschen(1, 2);
    m.MannschaftsergebnisAnzeigen(1);
    EXPECT_TRUE(gesendet().empty());
}

TEST_F(Mannschaftstafel, BrightnessGoesToTheBoardsThatAreOn)
{
    const Anzeigerahmen team{0x308, {239, 80}}, namen{0x310, {239, 80}};
    const std::pair<bool, bool> schalter[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    const Rahmen erwartet[] = {{}, {team}, {namen}, {team, namen}};
    for (int i = 0; i < 4; ++i) {
        std::tie(Einst.MannschanzOn, Einst.NamenanzOn) = schalter[i];
        m.HelligkeitSenden(80);
        EXPECT_EQ(gesendet(), erwartet[i]) << i;
    }
}
