#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/dienste/Netzdienste.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Wettkampfslots.h"
#include "match/flow/Zeitgeberliste.h"
#include "support/Einsetzen.h"
#include "support/Grundlage.h"
#include "support/Sendepuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rahmen = std::vector<int>;
using Rahmenliste = std::vector<Rahmen>;
using Texte = std::vector<std::string>;

constexpr u8 Pc = 2;
constexpr int SpielNr = 0x21;  // slot 1, station 2

u16 Bit(int bahn) { return u16(1u << (bahn - 1)); }
std::string Paar(const auto& a, const auto& b) { return std::string(a.view()) + "|" + std::string(b.view()); }

// Frames queued for a lane, oldest first.
Rahmenliste Gesendet(int bahn)
{
    return GesendeteRahmen<Rahmenliste>(bahn);
}

// The four name frames: six characters each, blanks after the name's end.
Rahmenliste Namen(int nr, const std::string& name)
{
    Rahmenliste r;
    for (int teil = 0; teil < 4; ++teil) {
        Rahmen f{170 + teil, nr};
        for (std::size_t k = std::size_t(teil * 6); k < std::size_t(teil * 6 + 6); ++k)
            f.push_back(k < name.size() ? name[k] : ' ');
        r.push_back(f);
    }
    return r;
}

Rahmenliste operator+(Rahmenliste a, const Rahmenliste& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Rahmenliste Anna = Namen(1, "Anna Berger");
const Rahmenliste Xaver = Namen(9, "Xaver Huber-Hohenfelder-");  // the name's first 24 characters
const Rahmenliste DatumZeit{{174, '0', '5', '0', '3', '2', '6'}, {175, '1', '4', '0', '5', '0', '9'}};
const Rahmenliste Anmeldung{{36, Pc}, {38}};

// A stopped match whose lane 1 plays and whose lane 2 waits for its player.
void Angehalten(TWettkampfDaten& m)
{
    m.Gestartet = m.Gestoppt = m.BahnImSpiel[1] = 1;
    m.Bahnbelegung[2] = 9;
}

class SpielablaufBasis : public Grundlage {
protected:
    // Also called by the cases of a table, each from scratch.
    void SetUp() override
    {
        Grundlage::SetUp();
        CanAktiv = 1;
        Einst.PcEinheit = Pc;
        Einst.Bahnsteuerung = 1;
        // Rounds 1 and 2 on lanes 1..3; lane 3 is idle in round 1.
        plan = TStartplan{};
        plan[1][1] = plan[2][2] = 1;
        plan[1][2] = plan[2][1] = 9;
        plan[3][2] = 2;
    }
    // Lanes erste..letzte, 5 + 5 throws in 12 minutes over two rounds, no practice, no options.
    TWettkampfDaten& wettkampf(int erste = 1, int letzte = 2)
    {
        EXPECT_TRUE(WettkampfAnlegen());
        WettkampfVorgabenSetzen();
        TWettkampfDaten& m = *AktWettkampf;
        m.ErsteSpielbahn = u8(erste), m.LetzteSpielbahn = u8(letzte);
        m.Volle = m.Abraeumen = 5, m.Wurfzeit = 12, m.Durchgaenge = 2, m.Spieleranzahl = 4;
        m.Probe = m.Uebertritt = 0;
        m.Spieler[1].Name = "Anna Berger";
        m.Spieler[9].Name = "Xaver Huber-Hohenfelder-Lang";
        m.StartplanZeiger = &plan;
        return m;
    }

    // Lanes 1 and 2 registered in lane control mode `modus` and online, nothing queued.
    TWettkampfDaten& angemeldet(u8 modus)
    {
        Einst.Bahnsteuerung = modus;
        TWettkampfDaten& m = wettkampf(1, 2);
        SpielStarten(m);
        BahnDaten[1].BahnOnline = BahnDaten[2].BahnOnline = 1;
        CanSendenZuruecksetzen();
        return m;
    }

    // A player who has started: his round block, his throws and pins so far.
    static TSpielerEintrag& begonnen(TWettkampfDaten& m, int nr, u8 block, u16 wuerfe, u16 total)
    {
        TSpielerEintrag& p = m.Spieler[nr];
        p.Gestartet = 1, p.DurchgangNr = block, p.Wurf.Zahl = wuerfe, p.Total.Zahl = total;
        return p;
    }

    // Starts the match and prepares its lanes as the lane start timer does.
    void vorbereiten(TWettkampfDaten& m)
    {
        SpielStarten(m);
        for (int b = m.ErsteSpielbahn; b <= m.LetzteSpielbahn; ++b) BahnDaten[b].BahnOnline = 1;
        for (int b = m.ErsteSpielbahn; b <= m.LetzteSpielbahn; ++b)
            if (VorbereitungsMaske & Bit(b)) BahnVorbereiten(b);
        CanSendenZuruecksetzen();
    }

    TStartplan plan;
    UhrEinsetzen uhr{FesteUhr()};
};

}  // namespace

// ---- Start: registration -------------------------------------------------------

class SpielablaufStart : public SpielablaufBasis {};

// Lane 3 is idle in round 1; the lanes stay offline.
TEST_F(SpielablaufStart, RegistersTheLanesOfTheFirstRoundAndBeginsWhenTheyAreReady)
{
    TWettkampfDaten& m = wettkampf(1, 3);
    m.DrWurfblatt = 1;
    WurfblattDrucker.fill(1);
    SpielStarten(m);
    EXPECT_TRUE(Gesendet(3).empty());
    EXPECT_EQ(AnmeldeMaske | VorbereitungsMaske | StartMaske, Bit(1) | Bit(2));
    EXPECT_EQ(BahnDaten[3].Wettk, nullptr);
    EXPECT_EQ(druck.aufrufe, (Texte{"Beginnen 1", "Beginnen 2"}));

    // Offline lanes are prepared all the same, without frames; the idle lane does not hold the begin.
    BahnVorbereiten(1);
    EXPECT_EQ(m.Gestartet, 0);
    BahnVorbereiten(2);
    EXPECT_EQ(m.Gestartet, 1);
}

TEST_F(SpielablaufStart, IsRefusedWhenEndedWithoutAPlanOrWhileALaneIsBusy)
{
    struct Fall { const char* name; void (*einrichten)(TWettkampfDaten&); QString meldung; };
    const Fall faelle[] = {
        {"beendet", [](TWettkampfDaten& m) { m.Beendet = 1; }, QStringLiteral("Der Wettkampf ist bereits beendet !")},
        {"ohne Plan", [](TWettkampfDaten& m) { m.StartplanZeiger = nullptr; },
         QStringLiteral("Für diesen Wettkampf gibt es keine Startfolge !")},
        {"Bahn belegt", [](TWettkampfDaten&) { BahnDaten[2].BahnStatus = 2; }, QString()},
        // Continuing while lane 2 runs for another match or lane 1 reports a foreign match number.
        {"weiter, Bahn belegt", [](TWettkampfDaten& m) { Angehalten(m); BahnDaten[2].BahnStatus = 2; }, QString()},
        {"weiter, fremd", [](TWettkampfDaten& m) { Angehalten(m); BahnDaten[1].BahnStatus = 3; }, QString()},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SetUp();
        TWettkampfDaten& m = wettkampf();
        f.einrichten(m);
        const u8 gestoppt = m.Gestoppt;
        SpielStarten(m);
        EXPECT_EQ(skriptBoxen().gezeigt, f.meldung.isEmpty() ? QStringList{} : QStringList{f.meldung});
        EXPECT_TRUE(Gesendet(1).empty());
        EXPECT_EQ(AnmeldeMaske | StartMaske, 0);
        EXPECT_EQ(BahnDaten[1].Wettk, nullptr);
        EXPECT_EQ(m.Gestoppt, gestoppt);
    }
}

// An own plan may hold anything: rounds outside 1..25 and entries above 16 are nobody.
TEST_F(SpielablaufStart, ReadsOnlyPlayerNumbersWithinThePlan)
{
    TWettkampfDaten& m = wettkampf(1, 2);
    plan[1][1] = 17;
    SpielStarten(m);
    EXPECT_EQ(m.Bahnbelegung[1], 0);
    EXPECT_EQ(AnmeldeMaske, Bit(2));

    TWettkampfDaten& spaet = wettkampf(3, 4);
    spaet.Durchgang = 26;
    SpielStarten(spaet);
    EXPECT_EQ(spaet.Bahnbelegung[3], 0);
    EXPECT_EQ(AnmeldeMaske, Bit(2));
}

// ---- Preparation -------------------------------------------------------------

class SpielablaufVorbereitung : public SpielablaufBasis {};

// Lanes 3 and 4: everything goes to the match's first lane, lane 3.
TEST_F(SpielablaufVorbereitung, PassiveModeSendsTheGameParametersToTheFirstLaneOnceAllAreReady)
{
    struct Fall { u8 wuerfe, minuten; Rahmen probe; };
    for (const Fall& f : {Fall{5, 0, {5, '[', 5}}, Fall{0, 3, {5, '\\', 3}}}) {
        SetUp();
        Einst.Bahnsteuerung = 0;
        TWettkampfDaten& m = wettkampf(3, 4);
        m.Abraeumen = 4, m.Probe = 3, m.Probewuerfe = f.wuerfe, m.Probezeit = f.minuten;
        SpielStarten(m);
        BahnDaten[3].BahnOnline = BahnDaten[4].BahnOnline = 1;
        CanSendenZuruecksetzen();

        BahnVorbereiten(4);
        EXPECT_EQ(Gesendet(3), Xaver + DatumZeit);
        EXPECT_EQ(m.Gestartet, 0);

        CanSendenZuruecksetzen();
        BahnVorbereiten(3);
        // (5 + 4) x 2 throws a player.
        const Rahmenliste parameter{f.probe,      {5, 177, 18}, {5, 178, 5}, {5, 179, 4}, {5, 180, 12},
                                    {5, 181, 2},  {5, 182, 0},  {5, 183, 4}, {3, SpielNr}};
        EXPECT_EQ(Gesendet(3), (Rahmenliste{{12, SpielNr}} + Anna + DatumZeit + parameter));
        for (int b : {1, 2, 4}) EXPECT_TRUE(Gesendet(b).empty()) << b;
        EXPECT_EQ(m.Gestartet, 1);
    }
}

// The whole-match tests run modes 1 and 2 through a lane simulator; what it
// does not look at: the match number before the start, the join command after it.
TEST_F(SpielablaufVorbereitung, ActiveLaneJoinsARunningMatch)
{
    TWettkampfDaten& m = angemeldet(2);
    BahnVorbereiten(1);
    EXPECT_EQ(Gesendet(1), (Rahmenliste{{12, SpielNr}, {166, 1}} + Anna + DatumZeit));
    BahnVorbereiten(2);
    ASSERT_EQ(m.Gestartet, 1);
    CanSendenZuruecksetzen();
    m.Bahnbelegung[1] = 9;
    BahnVorbereiten(1);
    EXPECT_EQ(Gesendet(1), (Rahmenliste{{29}, {166, 9}} + Xaver + DatumZeit));
}

TEST_F(SpielablaufVorbereitung, LaneCarriesTheLatestSubstitute)
{
    struct Fall { const char* name; u8 nach1, nach7, nach8; int erwartet; };
    const Fall faelle[] = {{"zweimal", 7, 8, 6, 8},  // followed at most twice
                           {"einmal", 7, 0, 0, 7}, {"ausserhalb", 20, 0, 0, 1}, {"auf sich selbst", 1, 0, 0, 1}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SetUp();
        TWettkampfDaten& m = angemeldet(1);
        m.Spieler[1].ErsetztDurch = f.nach1, m.Spieler[7].ErsetztDurch = f.nach7, m.Spieler[8].ErsetztDurch = f.nach8;
        BahnVorbereiten(1);
        EXPECT_EQ(BahnDaten[1].BahnSpieler, &m.Spieler[f.erwartet]);
        EXPECT_EQ(Gesendet(1).at(0), (Rahmen{166, f.erwartet}));
    }
}

// ---- Lane start ----------------------------------------------------------------

class SpielablaufBahnstart : public SpielablaufBasis {};

TEST_F(SpielablaufBahnstart, FirstPartByModeAndPractice)
{
    // Overstep and run-through switches and practice minutes; the whole matches play the rest.
    struct Fall { const char* name; u8 modus; u16 probe, uebertritt, durchlaeufer; u8 minuten; Rahmenliste heim; };
    const Fall faelle[] = {
        {"aktiv Spiel", 1, 0, 1, 1, 0, {{34, 'a', 5, 4, 12, 1}, {34, 'd'}, {34, 0x80}}},  // guest: home flag 0
        {"Probeminuten", 1, 1, 1, 0, 3, {{34, '\\', 3, 1}, {34, 'd'}}},
        {"aktiv Bahn", 2, 0, 1, 0, 0, {{30, 0, 0, 5, 4, 12}, {34, 'd'}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SetUp();
        Einst.Bahnsteuerung = f.modus;
        TWettkampfDaten& m = wettkampf(1, 2);
        m.Abraeumen = 4, m.Probe = f.probe, m.Probezeit = f.minuten;
        m.Uebertritt = f.uebertritt, m.Durchlaeufer = f.durchlaeufer;
        vorbereiten(m);
        BahnStarten(1);
        BahnStarten(2);
        Rahmenliste gast = f.heim;
        if (f.modus == 1) gast.front().back() = 0;
        EXPECT_EQ(Gesendet(1), f.heim);
        EXPECT_EQ(Gesendet(2), gast);
        EXPECT_EQ(BahnDaten[1].BahnWurfzeit, 120);  // tenths of a second
    }
    // Eight a side (Streichspiel): slot 8 plays at home, slot 16 away.
    SetUp();
    plan[1][1] = 8, plan[1][2] = 16;
    TWettkampfDaten& m = wettkampf(1, 2);
    m.Spieleranzahl = 8, m.Streichspiel = 1;
    vorbereiten(m);
    BahnStarten(1);
    BahnStarten(2);
    EXPECT_EQ(m.Spieler[8].IstHeim, 1);
    EXPECT_EQ(m.Spieler[16].IstHeim, 0);
    EXPECT_EQ(Gesendet(1).at(0), (Rahmen{34, 'a', 5, 5, 12, 1}));
    EXPECT_EQ(Gesendet(2).at(0), (Rahmen{34, 'a', 5, 5, 12, 0}));
}

TEST_F(SpielablaufBahnstart, FurtherRoundShowsTotalsMissesWarningsAndSetPoints)
{
    Einst.Wurffehler = Einst.SaPWand = true;
    TWettkampfDaten& m = wettkampf(1, 2);
    m.Uebertritt = m.Punktespiel = 1, m.Abraeumen = 4;
    // Player 7 came in for player 1 in the first round.
    TSpielerEintrag& erster = m.Spieler[1];
    erster.ErsetztDurch = 7, erster.Total.Zahl = 87, erster.Fehler.Zahl = 3, erster.SaP = 1.5f;
    TSpielerEintrag& p = begonnen(m, 7, 1, 10, 40);
    p.Ersatz = 1, p.Fehler.Zahl = 2, p.VerwarnungAnzahl = 1;
    vorbereiten(m);
    BahnStarten(1);
    // Total 87 + 40, misses 3 + 2, a warning, set points 1.5.
    EXPECT_EQ(Gesendet(1), (Rahmenliste{{34, 'a', 5, 4, 12, 1}, {34, 'd'}, {35, 163, 0, 1, 2, 7}, {35, 165, 0, 0, 5},
                                        {34, 'e'}, {35, 167, 1, 5}}));
    EXPECT_EQ(p.AktDurchgang, &p.Durchgang[2]);
    EXPECT_EQ(p.Durchgang[2].Bahn, 1);
    EXPECT_EQ(BahnDaten[1].TextTotal, " 127");

    // A fifth round of an own plan stays in the last block.
    p.DurchgangNr = MaxDurchgaenge;
    BahnStarten(1);
    EXPECT_EQ(p.DurchgangNr, MaxDurchgaenge);
    EXPECT_EQ(p.AktDurchgang, &p.Durchgang[MaxDurchgaenge]);
}

TEST_F(SpielablaufBahnstart, SheetHeadsAndRefreshes)
{
    TWettkampfDaten& m = wettkampf(1, 2);
    m.DrWurfblatt = m.DrZentral = m.DrSparmodus = 1, m.DrEinzelbahn = 0;
    WurfblattDrucker.fill(1);
    vorbereiten(m);
    m.Durchgang = 2;
    druck.aufrufe.clear();
    fenster.aufrufe.clear();
    BahnStarten(1);
    BahnStarten(2);
    EXPECT_TRUE(fenster.aufrufe.contains(QStringLiteral("spieler 0 9")));
    // Two lanes on a central printer, saving paper: an even round feeds on instead of a new head.
    EXPECT_EQ(druck.aufrufe,
              (Texte{"Spalte 1", "Vorschub 1", "SpielerStart 1", "Spalte 2", "SpielerStart 2"}));

    WurfblattDrucker[1] = 0;
    druck.aufrufe.clear();
    BahnStarten(1);
    EXPECT_TRUE(druck.aufrufe.empty());
}

// ---- Continue and stop ---------------------------------------------------------

class SpielablaufFortsetzen : public SpielablaufBasis {};

TEST_F(SpielablaufFortsetzen, ResumesLanesInPlayAndRegistersOnlyLanesWithAPlayer)
{
    for (u8 dritte : {2, 0}) {
        SCOPED_TRACE(dritte);
        SetUp();
        BahnAnzahl = 6;
        TWettkampfDaten& m = wettkampf(1, 3);
        m.Gestartet = m.Gestoppt = 1;
        for (int b : {1, 2}) {
            m.BahnImSpiel[b] = 1;
            BahnDaten[b].BahnStatus = 2;
            BahnDaten[b].BahnGestoppt = 1;
        }
        m.Bahnbelegung[1] = 9, m.Bahnbelegung[2] = 1, m.Bahnbelegung[3] = dritte;
        // Lane 4 is being registered by its lane panel, lane 5 waits to start for another match.
        AnmeldeMaske = Bit(4), StartMaske = Bit(5);

        Einst.NamenanzOn = true;
        SpielStarten(m);
        for (int b : {1, 2}) EXPECT_EQ(Gesendet(b), (Rahmenliste{{34, 'm'}})) << b;
        EXPECT_EQ(m.Gestoppt, 0);
        // The name boards leave "STOP"/"BAHN" at once.
        EXPECT_TRUE(anzeigen.aufrufe.contains(QStringLiteral("NAkt 1")));
        EXPECT_TRUE(anzeigen.aufrufe.contains(QStringLiteral("NAkt 2")));
        EXPECT_EQ(Gesendet(3), dritte ? Anmeldung : Rahmenliste{});
        EXPECT_EQ(AnmeldeMaske, (dritte ? Bit(3) : 0) | Bit(4));
        EXPECT_EQ(StartMaske, (dritte ? Bit(3) : 0) | Bit(5));
    }
}

// ---- Restoring a running part --------------------------------------------------

class SpielablaufWiederherstellen : public SpielablaufBasis {
protected:
    // Seven throws of a part of 5 + 5 into block `blockNr` of `s` at 1..7.
    static void wuerfe(TSpielerEintrag& s, int blockNr, int von = 1, int bis = 7)
    {
        const u16 bild[] = {0x4007, 0x6005, 0x4006, 0x4003, 0x41FF, 0x4003, 0x4010};
        const u16 art[] = {0, 0x10, 0x01, 0x203, 0, 0, 0x50};
        for (int i = von; i <= bis; ++i) {
            s.Durchgang[blockNr].Wurfbild[i] = bild[i - 1];
            s.Durchgang[blockNr].Wurfart[i] = art[i - 1];
        }
    }
};

TEST_F(SpielablaufWiederherstellen, RebuildsThePartFromTheStoredThrows)
{
    struct Fall { const char* name; u8 modus; u16 art6; Rahmen start, bild; };
    const Fall faelle[] = {
        {"aktiv Spiel", 1, 0, {34, 'a', 5, 5, 12, 1}, {13, 176, 0x13, 0}},
        {"aktiv Bahn", 2, 0, {30, 0, 0, 5, 5, 12}, {65, 0, 0x13}},
        {"neues Bild", 1, 0x04, {34, 'a', 5, 5, 12, 1}, {13, 176, 0x10, 0}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SetUp();
        Einst.Bahnsteuerung = f.modus;
        Einst.WurfzeitBahn = true;
        TWettkampfDaten& m = wettkampf(1, 2);
        m.Durchgang = 1;  // handed over in the first round
        TSpielerEintrag& p = begonnen(m, 1, 1, 7, 119);
        wuerfe(p, 1);
        p.Durchgang[1].Wurfart[6] = f.art6;
        vorbereiten(m);
        ASSERT_EQ(BahnDaten[1].Wiederherstellen, 1);
        BahnStarten(1);

        // 3, 5 (count), 0 (foul), 0 (foul with pins, no miss), 9 | 2, 0 (counted zero)
        const TBahnDaten& l = BahnDaten[1];
        EXPECT_EQ(l.BahnVolle * 100 + l.BahnAbraeumen, 1702);
        EXPECT_EQ(l.TextWurfNr, "  7");
        EXPECT_EQ(Paar(l.WurfHolzVolle, l.WurfHolzAbraeumen), "35009|20");
        EXPECT_EQ(Paar(l.TextName1[1].Wuerfe1bis10, l.TextName1[2].Wuerfe1bis10), "35xx9     |2x        ");
        EXPECT_EQ(l.Spalte1.Text, "17");
        // Throw time 120, throw 7, 19 on the lane, total 119, player 1, 3 left, 2 misses, the pins standing.
        EXPECT_EQ(Gesendet(1), (Rahmenliste{f.start, {34, 'H', 0, 120}, {35, 161, 0, 0, 7}, {35, 162, 0, 1, 9},
                                            {35, 163, 0, 1, 1, 9}, {35, 166, 1}, {35, 164, 0, 0, 3},
                                            {35, 165, 0, 0, 2}, f.bild}));
    }
}

TEST_F(SpielablaufWiederherstellen, TakesTheThrowsOfThePlayerAndHisSubstitute)
{
    TWettkampfDaten& m = wettkampf(1, 2);
    m.Durchgang = 2;
    // Player 9 plays lane 1 in round 2: ten throws in round 1, then four here
    // before player 15 took over for three more.
    TSpielerEintrag& p = begonnen(m, 9, 2, 14, 60);
    p.ErsetztDurch = 15;
    wuerfe(p, 2, 1, 4);
    TSpielerEintrag& s = begonnen(m, 15, 2, 3, 11);
    s.Ersatz = 9;
    wuerfe(s, 2, 5, 7);
    vorbereiten(m);
    ASSERT_EQ(BahnDaten[1].SpielerNr, 15);
    BahnStarten(1);
    const TBahnDaten& l = BahnDaten[1];
    EXPECT_EQ(l.WurfHolzVolle, "35009");
    EXPECT_EQ(l.WurfHolzAbraeumen, "20");
    EXPECT_EQ(l.BahnTotal, 71);
    const Rahmenliste r = Gesendet(1);
    ASSERT_EQ(r.size(), 8u);
    EXPECT_EQ(r[0], (Rahmen{34, 'a', 5, 5, 12, 0}));
    EXPECT_EQ(r[4], (Rahmen{35, 166, 7}));
}

// A part the lane handed over has no throw pictures: its counters are the
// ones the lane reported, and the throws are marked 'k'.
TEST_F(SpielablaufWiederherstellen, AHandedOverPartKeepsTheCountersOfTheLane)
{
    TWettkampfDaten& m = wettkampf(1, 2);
    m.Durchgang = 1;
    UebernahmeWettkampf = &m;
    // Player 1 on lane 1 after 7 throws: 17 Volle, 2 Abräumen, 2 misses.
    const u8 zaehler[][3] = {{'1', 0, 17}, {'2', 0, 17}, {'3', 0, 2}, {'4', 0, 2},
                             {'5', 2, 0},  {'6', 2, 0},  {'<', 7, 0}, {'=', 7, 0}};
    for (const auto& z : zaehler) ZaehlerSetzen(1, 1, z[0], z[1], z[2]);
    vorbereiten(m);
    BahnStarten(1);

    const TBahnDaten& l = BahnDaten[1];
    EXPECT_EQ((std::vector<int>{l.WurfNr, l.BahnVolle, l.BahnAbraeumen, l.BahnGesamt, l.BahnFehler, l.BahnTotal}),
              (std::vector<int>{7, 17, 2, 19, 2, 19}));
    EXPECT_EQ(Paar(l.WurfHolzVolle, l.WurfHolzAbraeumen), "kkkkk|kk");
    // Throw 7, 19 on the lane and in total, 3 left, 2 misses; the rack stays the lane's.
    EXPECT_EQ(Gesendet(1), (Rahmenliste{{34, 'a', 5, 5, 12, 1}, {35, 161, 0, 0, 7}, {35, 162, 0, 1, 9},
                                        {35, 163, 0, 0, 1, 9}, {35, 166, 1}, {35, 164, 0, 0, 3},
                                        {35, 165, 0, 0, 2}}));
}

TEST_F(SpielablaufWiederherstellen, WithoutThrowsPerPartNothingIsRebuilt)
{
    TWettkampfDaten& m = wettkampf(1, 2);
    m.Durchgang = 1;
    wuerfe(begonnen(m, 1, 1, 7, 0), 1);
    vorbereiten(m);
    m.Volle = m.Abraeumen = 0;
    BahnStarten(1);
    EXPECT_EQ(BahnDaten[1].WurfNr, 0);
    EXPECT_EQ(BahnDaten[1].TeilLaeuft, 1);
}

// ---- Counters of a handed-over game -------------------------------------------

class SpielablaufZaehler : public SpielablaufBasis {};

TEST_F(SpielablaufZaehler, StoresEachCounterInTheHandedOverMatch)
{
    TWettkampfDaten& m = wettkampf(1, 2);
    ZaehlerSetzen(1, 1, '2', 0, 9);  // no match taken over: ignored
    UebernahmeWettkampf = &m;
    for (auto [spieler, bahn] : std::initializer_list<std::pair<int, int>>{{0, 1}, {17, 1}, {1, 0}, {1, 17}})
        ZaehlerSetzen(spieler, bahn, '2', 0, 9);
    for (const TBahnDaten& l : BahnDaten) EXPECT_EQ(l.BahnVolle, 0);
    ZaehlerSetzen(3, 1, '2', 0, 9);
    EXPECT_EQ(m.Spieler[3].IstHeim, 1);

    TSpielerEintrag& p = m.Spieler[10];
    p.IstHeim = 1;
    // The lane's own counter '7' comes last: it is not kept.
    const u8 zaehler[][3] = {{'1', 1, 2}, {'2', 0, 45}, {'3', 0, 7}, {'4', 0, 12}, {'5', 3, 0},
                             {'6', 2, 0}, {'<', 9, 0},  {'=', 9, 0}, {'7', 1, 1}};
    for (const auto& z : zaehler) ZaehlerSetzen(10, 2, z[0], z[1], z[2]);
    const TBahnDaten& l = BahnDaten[2];
    const TDurchgangBlock& b = p.Durchgang[1];  // a fresh hand-over writes the first block
    EXPECT_EQ((std::vector<int>{p.Volle.Zahl, p.Abr.Zahl, p.Fehler.Zahl, p.Wurf.Zahl, l.BahnVolle, l.BahnAbraeumen,
                                l.BahnFehler, l.WurfNr, b.Volle.Zahl, b.Abr.Zahl, b.Fehler.Zahl, b.Wurf.Zahl}),
              (std::vector<int>{258, 7, 3, 9, 45, 12, 2, 9, 45, 12, 2, 9}));
    EXPECT_EQ(b.Bahn, 2);
    EXPECT_EQ(l.SpielerNr, 10);
    EXPECT_EQ(p.IstHeim, 0);
    EXPECT_EQ(p.Gestartet, 1);
    for (auto [anzahl, text] : {std::pair{1, "V"}, {2, "VV"}, {3, ""}}) {
        ZaehlerSetzen(10, 2, ':', u8(anzahl), 0);
        EXPECT_EQ(p.VerwarnungAnzahl, anzahl);
        EXPECT_EQ(p.VerwarnungText, text);
    }
}

// ---- Match begin ---------------------------------------------------------------

class SpielablaufSpielbeginn : public SpielablaufBasis {};

TEST_F(SpielablaufSpielbeginn, ClaimsAFreeTeamBoardSwitchesTheNameBoardsAndUploads)
{
    Einst.MannschanzOn = Einst.NamenanzOn = true;
    TWettkampfDaten& m = wettkampf(3, 4);
    m.Ende = "13:00:00";
    m.WechselAnstehend = m.FtpUpdate = m.FtpUpdateZeit = m.JavaUpdate = 1, m.FtpUpdateInterv = 5;
    MannschanzZuordnung[3] = 2;
    SpielbeginnMelden(m);
    EXPECT_EQ(m.Beginn, "14:05:09");
    EXPECT_EQ(m.Ende, "");
    EXPECT_EQ(m.WechselAnstehend, 0);
    EXPECT_TRUE(anzeigen.aufrufe.contains(QStringLiteral("MZuordnen 3-4")));
    EXPECT_EQ(MannschanzWettkampf[2], &m);
    EXPECT_EQ(m.MannschaftsanzeigeEin, 1);
    EXPECT_EQ(m.NamenanzeigeEin, 1);
    EXPECT_EQ(netz.aufrufe, (QStringList{"timer 1 300000", "update 1 5"}));

    // A board the match claimed before its start stays its own.
    m.MannschaftsanzeigeEin = 0;
    SpielbeginnMelden(m);
    EXPECT_EQ(m.MannschaftsanzeigeEin, 1);

    // The board is taken; without a board at all there is none either.
    TWettkampfDaten& zweiter = wettkampf(3, 4);
    SpielbeginnMelden(zweiter);
    EXPECT_EQ(zweiter.MannschaftsanzeigeEin, 0);
    MannschanzZuordnung[3] = 0;
    SpielbeginnMelden(zweiter);
    EXPECT_EQ(zweiter.MannschaftsanzeigeEin, 0);
}
