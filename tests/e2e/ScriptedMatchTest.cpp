// Whole matches between the program and the lane simulator on a fake bus:
// registration, practice, the parts of every round, the round changes,
// sudden victory and game end, with every throw scripted.

#include "Anzeigedienste.h"
#include "Bahnsimulator.h"
#include "Boxes.h"
#include "CanEmpfang.h"
#include "CanKarte.h"
#include "CanSenden.h"
#include "Clock.h"
#include "FakeCanAdapter.h"
#include "Globals.h"
#include "Spielablauf.h"
#include "Spielende.h"
#include "TimerModul.h"
#include "Wertung.h"
#include "Wettkampfslots.h"
#include "Zeitgeber.h"
#include "Zeitgeberliste.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int Bahnen = 4;
constexpr int Runden = 4;
using Belegung = std::array<int, Bahnen>;

// The four-lane plan of start-order mode 2 for four players a side: the
// player on lanes 1..4 in rounds 1..4. Lanes 1+2 and 3+4 are the duel pairs.
constexpr std::array<Belegung, Runden> Plan{{{1, 9, 2, 10}, {9, 1, 10, 2}, {11, 3, 12, 4}, {3, 11, 4, 12}}};

// The player's round block that the plan round r (0-based) plays.
int BlockNr(int nr, int r)
{
    int n = 0;
    for (int k = 0; k <= r; ++k)
        for (int s : Plan[std::size_t(k)])
            if (s == nr) ++n;
    return n;
}

// One part of 3 Volle | 3 Abräumen throws and what it counts, by hand.
struct Teilvorgabe {
    const char* wuerfe;
    int holz;
    int fehler;
};

struct Spielervorgabe {
    int nr;
    std::array<Teilvorgabe, 2> teile;
    std::array<float, 2> sap;  // set point of each round
    float map;
};

struct Seitenvorgabe {
    int total, volle, abr, fehler;
    float sap, map, ergebnisMaP, totalMaP;
    const char* tap;
};

struct Spielvorgabe {
    std::array<Spielervorgabe, 8> spieler;
    Seitenvorgabe heim, gast;
};

const Spielervorgabe& Vorgabe(const Spielvorgabe& v, int nr)
{
    for (const Spielervorgabe& s : v.spieler)
        if (s.nr == nr) return s;
    throw std::out_of_range("no player " + std::to_string(nr));
}

// Game (a): 294 : 280 pins. Duels 1 and 2 go 1 : 1 on sets and to the guest
// on pins, duel 3 1 : 1 to the home player on pins, duel 4 1.5 : 0.5 home.
// Match points 2 : 2 + 2 : 0 for the pins = 4 : 2, table points 2 : 0.
const Spielvorgabe SpielA{
    {{
        // Lane pair 1+2, rounds 1, 2: player 1 against 9.
        {1, {{{"9 8 7 | 5 X 6", 39, 0}, {"6 7 8 | 3 3 3", 30, 0}}}, {1, 0}, 0},   // 24+15, 21+9; 69 pins
        {9, {{{"8 8 8 | 4 3 2", 33, 0}, {"9 9 9 | 8 1 5", 41, 0}}}, {0, 1}, 1},   // 24+9, 27+14; 74 pins
        // Lanes 3+4, rounds 1, 2: player 2 against 10; 10's foul in Volle
        // felled 9 (no miss), his 4@01 in Abräumen counts zero (a miss).
        {2, {{{"7 0 9 | 9 3 2", 30, 1}, {"5 6 7 | 2 2 2", 24, 0}}}, {1, 0}, 0},   // 16+14, 18+6; 54 pins
        {10, {{{"9 9! 9 | 6 X 1", 28, 0}, {"8 9 7 | 4@01 5 3", 32, 1}}}, {0, 1}, 1},  // 18+10, 24+8; 60
        // Lanes 1+2, rounds 3, 4: player 3 against 11.
        {3, {{{"9 9 9 | X X 9", 54, 0}, {"8 8 8 | 3 3 3", 33, 0}}}, {1, 0}, 1},   // 27+27, 24+9; 87 pins
        {11, {{{"9 9 9 | X 9 0", 45, 1}, {"9 9 9 | 3 3 3", 36, 0}}}, {0, 1}, 0},  // 27+18, 27+9; 81 pins
        // Lanes 3+4, rounds 3, 4: player 4 against 12, level in round 3.
        {4, {{{"7 7 7 | 5 4 0", 30, 1}, {"9 9 9 | 9 9 9", 54, 0}}}, {0.5, 1}, 1},  // 21+9, 27+27; 84
        {12, {{{"7 7 7 | 5 4 0", 30, 1}, {"9 8 7 | 6 X 2", 35, 0}}}, {0.5, 0}, 0},  // 21+9, 24+11; 65
    }},
    // Volle 45+34+51+48, Abräumen 24+20+36+36; sets 1+1+1+1.5.
    {294, 178, 116, 2, 4.5, 2, 2, 4, "2"},
    // Volle 51+42+54+45, Abräumen 23+18+27+20; sets 1+1+1+0.5.
    {280, 192, 88, 3, 3.5, 2, 0, 2, "0"},
};

// Game (b): 271 : 271 pins. The home side wins duels 1 and 2 2 : 0, the
// guests 3 and 4: sets 4 : 4, match points 2 : 2 + 1 : 1 = 3 : 3, table
// points 1 : 1 (level set points as well). A sudden victory is due.
const Spielvorgabe SpielB{
    {{
        {1, {{{"9 9 9 | 5 4 9", 45, 0}, {"8 8 8 | 3 3 3", 33, 0}}}, {1, 1}, 1},   // 27+18, 24+9; 78
        {9, {{{"8 8 8 | 5 4 9", 42, 0}, {"7 7 7 | 3 3 3", 30, 0}}}, {0, 0}, 0},   // 24+18, 21+9; 72
        {2, {{{"9 8 7 | 6 3 1", 34, 0}, {"6 6 6 | 2 2 2", 24, 0}}}, {1, 1}, 1},   // 24+10, 18+6; 58
        {10, {{{"6 6 6 | 6 3 1", 28, 0}, {"5 5 5 | 2 2 2", 21, 0}}}, {0, 0}, 0},  // 18+10, 15+6; 49
        {3, {{{"9 9 9 | 5 4 9", 45, 0}, {"8 8 8 | 5 4 1", 34, 0}}}, {0, 0}, 0},   // 27+18, 24+10; 79
        {11, {{{"9 9 9 | 9 9 9", 54, 0}, {"9 8 8 | 5 4 1", 35, 0}}}, {1, 1}, 1},  // 27+27, 25+10; 89
        {4, {{{"7 7 6 | 4 5 0", 29, 1}, {"6 6 6 | 3 3 3", 27, 0}}}, {0, 0}, 0},   // 20+9, 18+9; 56
        {12, {{{"7 7 7 | 4 5 0", 30, 1}, {"8 8 6 | 3 3 3", 31, 0}}}, {1, 1}, 1},  // 21+9, 22+9; 61
    }},
    // Volle 51+42+51+38, Abräumen 27+16+28+18.
    {271, 182, 89, 1, 4, 2, 1, 3, "1"},
    // Volle 45+33+52+43, Abräumen 27+16+37+18.
    {271, 173, 98, 1, 4, 2, 1, 3, "1"},
};

// The sudden-victory rounds of game (b), three Volle throws a lane. Round 1
// on the lanes of round 4 (3, 11, 4, 12): 27 : 24 home, 21 : 27 guest, level
// 1 : 1. Round 2 with the pairs exchanged (11, 3, 12, 4): 24 : 25 home,
// 24 : 24 level: 1.5 : 0.5, decided.
struct SVVorgabe {
    const char* wuerfe;
    int spieler;
    int holz;
    float sap;
};
constexpr std::array<std::array<SVVorgabe, Bahnen>, 2> SVRunden{{
    {{{"9 9 9", 3, 27, 1}, {"8 8 8", 11, 24, 0}, {"7 7 7", 4, 21, 0}, {"9 9 9", 12, 27, 1}}},
    {{{"9 8 7", 11, 24, 0}, {"9 9 7", 3, 25, 1}, {"8 8 8", 12, 24, 0.5}, {"8 8 8", 4, 24, 0.5}}},
}};

Wurfliste Wuerfe(const char* text)
{
    QString fehler;
    const std::optional<Wurfliste> w = WuerfeLesen(QString::fromLatin1(text), &fehler);
    EXPECT_TRUE(w) << text << ": " << fehler.toStdString();
    return w.value_or(Wurfliste{});
}

// Each lane plays the parts of the players the plan puts on it, round after
// round, then its sudden-victory parts.
std::map<int, Wurfliste> Skripte(const Spielvorgabe& v, bool mitSV)
{
    std::map<int, Wurfliste> s;
    for (int r = 0; r < Runden; ++r)
        for (int bahn = 1; bahn <= Bahnen; ++bahn) {
            const int nr = Plan[std::size_t(r)][std::size_t(bahn - 1)];
            const Wurfliste w = Wuerfe(Vorgabe(v, nr).teile[std::size_t(BlockNr(nr, r) - 1)].wuerfe);
            s[bahn].insert(s[bahn].end(), w.begin(), w.end());
        }
    if (mitSV)
        for (const auto& runde : SVRunden)
            for (int bahn = 1; bahn <= Bahnen; ++bahn) {
                const Wurfliste w = Wuerfe(runde[std::size_t(bahn - 1)].wuerfe);
                s[bahn].insert(s[bahn].end(), w.begin(), w.end());
            }
    return s;
}

Bahnsimulator::Vorgaben SimVorgaben()
{
    Bahnsimulator::Vorgaben v;
    v.bahnen = Bahnen;
    v.pcEinheit = 2;
    v.wurfTakt = 5;
    v.startVerzoegerung = 40;  // longer than a lane start tick: the lanes of mode 0 start themselves
    v.probeTakte = 60;
    v.seed = 7;
    return v;
}

// The program and the lanes on one fake bus, in steps of 50 ms of program
// time: five ticks of the send pump (10 ms), the receive pump and the
// end-of-lane check, every 20th step the one-second timers; then the frames
// cross the bus and the lanes advance one tick.
struct Anlage {
    FakeCanAdapter bus;
    Bahnsimulator sim{SimVorgaben()};
    long schritte = 0;
    std::function<void()> beobachter;

    void schritt()
    {
        for (int i = 0; i < 5; ++i)
            if (CanSendeTimer().enabled()) CanSendenTick();
        Timer3Go();
        Timer2Go();
        if (++schritte % 20 == 0) {
            if (Timer9().enabled()) Timer9Go();
            if (TimerSpielEnde().enabled()) TimerSpielEndeGo();
            if (TimerBahnEnde().enabled()) TimerBahnEndeGo();
        }
        for (const CanRohRahmen& r : bus.gesendet) sim.empfangen(r);
        bus.gesendet.clear();
        while (const std::optional<CanRohRahmen> r = sim.naechster()) bus.empfangen.append(*r);
        sim.tick();
        if (beobachter) beobachter();
    }

    // Until the program has sent everything and read every lane frame.
    bool ausklingen()
    {
        return bis([this] { return BahnSendenAusstehend == 0 && bus.empfangen.isEmpty(); });
    }

    bool bis(const std::function<bool()>& ziel, long grenze = 20000)
    {
        for (long n = 0; n < grenze; ++n) {
            if (ziel()) return true;
            schritt();
        }
        return ziel();
    }
};

struct Betrieb {
    int modus;    // Bahnsteuerung
    int probe;    // practice kind of the match
    int art = 0;  // lane arrangement (plans of five players)
};

void PrintTo(const Betrieb& b, std::ostream* os)
{
    *os << "Bahnsteuerung " << b.modus << ", Probe " << b.probe << ", Art " << b.art;
}

std::string Name(const ::testing::TestParamInfo<Betrieb>& i) { return "Modus" + std::to_string(i.param.modus); }

const char* const Spielernamen[] = {"",           "Anton Adler", "Bernd Brandt", "Carl Conrad",
                                    "Dieter Dorn", "Erwin Eck",   "Fritz Frey",   "Ignaz Igel",
                                    "Jakob Jung",  "Emil Eder",   "Franz Fink",   "Georg Graf",
                                    "Hans Hahn",   "Karl Kern",   "Ludwig Lang",  "Max Moser",
                                    "Otto Ott"};

class Spielbetrieb : public ::testing::TestWithParam<Betrieb> {
protected:
    void SetUp() override
    {
        GlobalsZuruecksetzen();
        SpielablaufZuruecksetzen();
        CanEmpfangZuruecksetzen();
        AnzeigezustandZuruecksetzen();
        skriptBoxen() = SkriptBoxen{};
        setUhr([] { return QDateTime(QDate(2026, 3, 7), QTime(19, 30, 0)); });
        Einst.PcEinheit = 2;
        Einst.Bahnsteuerung = u8(GetParam().modus);
        Einst.TimeoutBahnw = 2;
        Einst.SaPWand = true;
        setCanAdapter(&anlage.bus);
        Einst.CanBusKarte = 1;
        CanEinstellungenUebernehmen();
        CanKarteOeffnen();
        ASSERT_EQ(CanAktiv, 1);
    }

    void TearDown() override
    {
        TimerModulBeenden();
        TimerSpielEnde().setEnabled(false);
        TimerBahnEnde().setEnabled(false);
        setCanAdapter(nullptr);
        CanSendenZuruecksetzen();
        CanEmpfangZuruecksetzen();
        SpielablaufZuruecksetzen();
        UebernahmeWettkampf = nullptr;
        skriptBoxen() = SkriptBoxen{};
        setUhr({});
        GlobalsZuruecksetzen();
    }

    // Four (or five) players a side on lanes 1..4 (or others), 3 Volle +
    // 3 Abräumen in two rounds.
    TWettkampfDaten& wettkampf(bool punktespiel, int spieleranzahl = 4, int erste = 1, int letzte = Bahnen)
    {
        EXPECT_TRUE(WettkampfAnlegen());
        WettkampfVorgabenSetzen();
        TWettkampfDaten& m = *AktWettkampf;
        m.Heimmannschaft = "KSC Ahorn 1";
        m.Gastmannschaft = "SG Birkenau 1";
        m.ErsteBahn = u8(erste);
        m.LetzteBahn = u8(letzte);
        m.Volle = 3;
        m.Abraeumen = 3;
        m.Durchgaenge = 2;
        m.Wurfzeit = 12;
        m.Spielmodus = 2;
        m.Spieleranzahl = u16(spieleranzahl);
        m.Art = u16(GetParam().art);
        m.Probe = u16(GetParam().probe);
        ProbewuerfeUebernehmen();
        m.Punktespiel = punktespiel;
        m.SVictory1Spiel = punktespiel;
        m.SVictoryWuerfe = 3;
        EXPECT_TRUE(StartfolgeZuordnen());
        for (int nr = 1; nr <= MaxSpieler; ++nr) m.Spieler[nr].Name = Spielernamen[nr];
        anlage.beobachter = [this, &m] {
            if (m.Durchgang != (runden.empty() ? 0 : runden.back().first))
                runden.push_back({m.Durchgang, {m.Bahnbelegung[1], m.Bahnbelegung[2], m.Bahnbelegung[3], m.Bahnbelegung[4]}});
        };
        return m;
    }

    bool mitSpielern() const { return GetParam().modus != 0; }

    // Every booked throw, part, player and side against the lanes' own
    // count, and the part results against the hand values.
    void buchungPruefen(const TWettkampfDaten& m, const Spielvorgabe& v)
    {
        std::map<int, Zaehlung> spieler;
        for (int r = 0; r < Runden; ++r)
            for (int bahn = 1; bahn <= Bahnen; ++bahn) {
                SCOPED_TRACE("round " + std::to_string(r + 1) + ", lane " + std::to_string(bahn));
                const int nr = Plan[std::size_t(r)][std::size_t(bahn - 1)];
                const int d = BlockNr(nr, r);
                ASSERT_GT(anlage.sim.teile(bahn).size(), std::size_t(r));
                const Teil& t = anlage.sim.teile(bahn)[std::size_t(r)];
                if (mitSpielern()) {
                    EXPECT_EQ(t.spieler, nr);
                }
                const TDurchgangBlock& b = m.Spieler[nr].Durchgang[d];
                EXPECT_EQ(b.Bahn, bahn);
                ASSERT_EQ(t.wuerfe.size(), 6u);
                for (const GemeldeterWurf& w : t.wuerfe) {
                    EXPECT_EQ(b.Wurfbild[w.nr], WurfbildVorhanden | w.bild) << "throw " << w.nr;
                    EXPECT_EQ(b.Wurfart[w.nr] & 0xFF, w.flags) << "throw " << w.nr;
                }
                const Zaehlung z = t.zaehlung();
                EXPECT_EQ(b.Volle.Zahl, z.volle);
                EXPECT_EQ(b.Abr.Zahl, z.abraeumen);
                EXPECT_EQ(b.Fehler.Zahl, z.fehler);
                EXPECT_EQ(b.Wurf.Zahl, z.wuerfe);
                EXPECT_EQ(b.Total.Zahl, z.gesamt());
                const Teilvorgabe& hand = Vorgabe(v, nr).teile[std::size_t(d - 1)];
                EXPECT_EQ(b.Total.Zahl, hand.holz);
                EXPECT_EQ(b.Fehler.Zahl, hand.fehler);
                spieler[nr] += z;
            }
        Zaehlung heim, gast;
        for (const auto& [nr, z] : spieler) {
            SCOPED_TRACE("player " + std::to_string(nr));
            const TSpielerEintrag& p = m.Spieler[nr];
            EXPECT_EQ(p.Volle.Zahl, z.volle);
            EXPECT_EQ(p.Abr.Zahl, z.abraeumen);
            EXPECT_EQ(p.Fehler.Zahl, z.fehler);
            EXPECT_EQ(p.Wurf.Zahl, z.wuerfe);
            EXPECT_EQ(p.Total.Zahl, z.gesamt());
            (nr <= 8 ? heim : gast) += z;
        }
        for (auto [seite, z, hand] : {std::tuple{&m.Heim, heim, v.heim}, std::tuple{&m.Gast, gast, v.gast}}) {
            EXPECT_EQ(seite->Total.Zahl, z.gesamt());
            EXPECT_EQ(seite->Volle.Zahl, z.volle);
            EXPECT_EQ(seite->Abr.Zahl, z.abraeumen);
            EXPECT_EQ(seite->Fehler.Zahl, z.fehler);
            EXPECT_EQ(seite->Wuerfe.Zahl, z.wuerfe);
            EXPECT_EQ(seite->Total.Zahl, hand.total);
            EXPECT_EQ(seite->Volle.Zahl, hand.volle);
            EXPECT_EQ(seite->Abr.Zahl, hand.abr);
            EXPECT_EQ(seite->Fehler.Zahl, hand.fehler);
            EXPECT_EQ(seite->Wuerfe.Zahl, 4 * 2 * 6);
        }
    }

    void punktePruefen(const TWettkampfDaten& m, const Spielvorgabe& v)
    {
        for (const Spielervorgabe& s : v.spieler) {
            SCOPED_TRACE("player " + std::to_string(s.nr));
            const TSpielerEintrag& p = m.Spieler[s.nr];
            EXPECT_FLOAT_EQ(p.Durchgang[1].SaP, s.sap[0]);
            EXPECT_FLOAT_EQ(p.Durchgang[2].SaP, s.sap[1]);
            EXPECT_FLOAT_EQ(p.SaP, s.sap[0] + s.sap[1]);
            EXPECT_FLOAT_EQ(p.MaP, s.map);
        }
        for (auto [seite, hand] : {std::pair{&m.Heim, v.heim}, std::pair{&m.Gast, v.gast}}) {
            EXPECT_FLOAT_EQ(seite->SaP, hand.sap);
            EXPECT_FLOAT_EQ(seite->MaP, hand.map);
            EXPECT_FLOAT_EQ(seite->ErgebnisMaP, hand.ergebnisMaP);
            EXPECT_FLOAT_EQ(seite->TotalMaP, hand.totalMaP);
            EXPECT_EQ(seite->TaP.text().toStdString(), hand.tap);
        }
    }

    // The lanes the plan names, round by round; after the last round the
    // lanes of round 4 stay as they are.
    std::vector<std::pair<int, Belegung>> planRunden() const
    {
        std::vector<std::pair<int, Belegung>> r;
        for (int k = 0; k < Runden; ++k) r.push_back({k + 1, Plan[std::size_t(k)]});
        r.push_back({Runden + 1, Plan[Runden - 1]});
        return r;
    }

    void endePruefen(const TWettkampfDaten& m)
    {
        EXPECT_TRUE(anlage.ausklingen());
        EXPECT_EQ(m.Beendet, 1);
        EXPECT_EQ(m.Gestartet, 0);
        EXPECT_EQ(m.Spielphase, PhaseBeendet);
        for (int bahn = 1; bahn <= Bahnen; ++bahn) {
            EXPECT_EQ(BahnDaten[bahn].BahnStatus, 0) << bahn;
            EXPECT_EQ(m.BahnImSpiel[bahn], 0) << bahn;
            EXPECT_EQ(anlage.sim.spielNr(bahn), 0) << bahn;  // the lanes left the game
            EXPECT_FALSE(anlage.sim.teilLaeuft(bahn)) << bahn;
            EXPECT_EQ(anlage.sim.skriptRest(bahn), 0u) << bahn;
        }
    }

    // Each player's and each side's booked results against the lanes' count
    // of the player's throws.
    void spielerPruefen(const TWettkampfDaten& m, std::initializer_list<int> nummern)
    {
        Zaehlung heim, gast;
        for (int nr : nummern) {
            SCOPED_TRACE("player " + std::to_string(nr));
            const TSpielerEintrag& p = m.Spieler[nr];
            const Zaehlung z = anlage.sim.spielerZaehlung(nr);
            EXPECT_EQ(p.Volle.Zahl, z.volle);
            EXPECT_EQ(p.Abr.Zahl, z.abraeumen);
            EXPECT_EQ(p.Fehler.Zahl, z.fehler);
            EXPECT_EQ(p.Wurf.Zahl, z.wuerfe);
            EXPECT_EQ(p.Total.Zahl, z.gesamt());
            (nr <= 8 ? heim : gast) += z;
        }
        for (auto [seite, z] : {std::pair{&m.Heim, heim}, std::pair{&m.Gast, gast}}) {
            EXPECT_EQ(seite->Total.Zahl, z.gesamt());
            EXPECT_EQ(seite->Volle.Zahl, z.volle);
            EXPECT_EQ(seite->Abr.Zahl, z.abraeumen);
            EXPECT_EQ(seite->Fehler.Zahl, z.fehler);
            EXPECT_EQ(seite->Wuerfe.Zahl, z.wuerfe);
        }
    }

    Anlage anlage;
    std::vector<std::pair<int, Belegung>> runden;  // Durchgang and Bahnbelegung at each change
};

// The lanes control the game (modes 1 and 2): the program starts every part.
class AktiverBetrieb : public Spielbetrieb {};
class FuenfSpieler : public Spielbetrieb {};
class Neustart : public Spielbetrieb {};

TEST_P(Spielbetrieb, MatchFromRegistrationToGameEnd)
{
    for (const auto& [bahn, wuerfe] : Skripte(SpielA, false)) anlage.sim.setSkript(bahn, wuerfe);
    TWettkampfDaten& m = wettkampf(false);
    SpielStarten(m);

    ASSERT_TRUE(anlage.bis([&] { return m.Beendet != 0; })) << "Durchgang " << int(m.Durchgang);
    endePruefen(m);
    EXPECT_EQ(m.Durchgang, Runden + 1);
    EXPECT_EQ(runden, planRunden());
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join(u'|').toStdString();
    buchungPruefen(m, SpielA);
    // Table points are taken for the report.
    TabellenpunkteBerechnen(m);
    punktePruefen(m, SpielA);
    for (int bahn = 1; bahn <= Bahnen; ++bahn) EXPECT_EQ(anlage.sim.teile(bahn).size(), std::size_t(Runden));
    if (mitSpielern()) spielerPruefen(m, {1, 2, 3, 4, 9, 10, 11, 12});
}

TEST_P(AktiverBetrieb, LevelPointsGameGoesToTwoSuddenVictoryRounds)
{
    for (const auto& [bahn, wuerfe] : Skripte(SpielB, true)) anlage.sim.setSkript(bahn, wuerfe);
    skriptBoxen().antworten = {ErgebnisJa, ErgebnisJa};
    TWettkampfDaten& m = wettkampf(true);
    SpielStarten(m);

    ASSERT_TRUE(anlage.bis([&] { return m.Beendet != 0; })) << "Durchgang " << int(m.Durchgang);
    endePruefen(m);
    const QString frage = QStringLiteral("Sudden Victory durchführen ?");
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList({frage, frage}));
    EXPECT_EQ(m.SVictoryLaeuft, 1);
    EXPECT_EQ(m.SVictoryRunde, 2);
    // Each sudden-victory round is a round of its own; the second exchanges
    // the players of each lane pair.
    std::vector<std::pair<int, Belegung>> erwartet = planRunden();
    erwartet.push_back({Runden + 2, {11, 3, 12, 4}});
    erwartet.push_back({Runden + 3, {11, 3, 12, 4}});
    EXPECT_EQ(runden, erwartet);
    buchungPruefen(m, SpielB);
    punktePruefen(m, SpielB);

    for (int k = 0; k < 2; ++k)
        for (int bahn = 1; bahn <= Bahnen; ++bahn) {
            SCOPED_TRACE("sudden victory " + std::to_string(k + 1) + ", lane " + std::to_string(bahn));
            const SVVorgabe& hand = SVRunden[std::size_t(k)][std::size_t(bahn - 1)];
            const TSuddenVictoryEintrag& e = m.SVictoryTabelle[bahn][k + 1];
            ASSERT_EQ(anlage.sim.teile(bahn).size(), std::size_t(Runden + 2));
            const Teil& t = anlage.sim.teile(bahn)[std::size_t(Runden + k)];
            EXPECT_EQ(t.spieler, hand.spieler);
            EXPECT_EQ(t.volle, 3);
            EXPECT_EQ(t.abraeumen, 0);
            for (const GemeldeterWurf& w : t.wuerfe) EXPECT_EQ(e.Wurfbild[w.nr], WurfbildVorhanden | w.bild);
            EXPECT_EQ(e.SpielerNr, hand.spieler);
            EXPECT_EQ(e.Holz.Zahl, t.zaehlung().gesamt());
            EXPECT_EQ(e.Holz.Zahl, hand.holz);
            EXPECT_EQ(e.Wuerfe.Zahl, 3);
            EXPECT_FLOAT_EQ(e.SaP, hand.sap);
        }
    // The last round decides: 1 + 0.5 : 0.5.
    EXPECT_FLOAT_EQ(m.SVictoryHeimSaP, 1.5f);
    EXPECT_FLOAT_EQ(m.SVictoryGastSaP, 0.5f);
}

// Random throws and the lanes' keys: an invalid throw thrown again, a throw
// booked as zero, a warning, a substitute, a stop of the whole match, a part
// ended on the lane. The booking follows the lanes' own count throughout.
TEST_P(AktiverBetrieb, LaneKeysAndStopKeepBookingAndLaneCountEqual)
{
    Bahnsimulator& sim = anlage.sim;
    TWettkampfDaten& m = wettkampf(false);
    SpielStarten(m);
    // Lane l has thrown n throws of its part p (1-based): a key pressed now
    // follows the n-th throw when the lane has not gone further.
    auto geworfen = [&](int l, std::size_t p, std::size_t n) {
        return [&sim, l, p, n] { return sim.teile(l).size() == p && sim.teile(l)[p - 1].wuerfe.size() >= n; };
    };

    ASSERT_TRUE(anlage.bis(geworfen(1, 1, 2)));
    ASSERT_EQ(sim.teile(1)[0].wuerfe.size(), 2u);
    sim.taste(1, 'r');  // the second throw was invalid: thrown again
    ASSERT_TRUE(anlage.bis(geworfen(3, 1, 1)));
    sim.taste(3, 'e');
    ASSERT_TRUE(anlage.bis(geworfen(2, 1, 4)));
    ASSERT_EQ(sim.teile(2)[0].wuerfe.size(), 4u);
    sim.taste(2, 'q');
    ASSERT_TRUE(anlage.bis(geworfen(1, 1, 4)));
    ASSERT_EQ(sim.teile(1)[0].wuerfe.size(), 4u);
    sim.taste(1, 'B', {7});  // substitute 7 comes in for player 1

    // Round 2: the whole match stops and goes on.
    ASSERT_TRUE(anlage.bis([&] {
        for (int l = 1; l <= Bahnen; ++l)
            if (sim.teile(l).size() != 2 || sim.teile(l)[1].wuerfe.empty()) return false;
        return true;
    }));
    SpielStoppen(m);
    ASSERT_TRUE(anlage.bis([&] { return sim.gestoppt(1) && sim.gestoppt(2) && sim.gestoppt(3) && sim.gestoppt(4); }));
    std::array<std::size_t, Bahnen> stand{};
    for (int l = 1; l <= Bahnen; ++l) stand[std::size_t(l - 1)] = sim.teile(l)[1].wuerfe.size();
    for (int i = 0; i < 100; ++i) anlage.schritt();
    for (int l = 1; l <= Bahnen; ++l) EXPECT_EQ(sim.teile(l)[1].wuerfe.size(), stand[std::size_t(l - 1)]) << l;
    EXPECT_EQ(m.Gestoppt, 1);
    SpielStarten(m);
    EXPECT_EQ(m.Gestoppt, 0);

    ASSERT_TRUE(anlage.bis(geworfen(3, 3, 2)));
    sim.taste(3, 'u');
    ASSERT_TRUE(anlage.bis(geworfen(4, 4, 2)));
    ASSERT_EQ(sim.teile(4)[3].wuerfe.size(), 2u);
    sim.taste(4, 't');  // player 12 ends his second part after two throws

    ASSERT_TRUE(anlage.bis([&] { return m.Beendet != 0; })) << "Durchgang " << int(m.Durchgang);
    endePruefen(m);
    EXPECT_EQ(runden, planRunden());
    EXPECT_EQ(m.Spieler[1].ErsetztDurch, 7);
    EXPECT_EQ(m.Spieler[7].Ersatz, 1);
    EXPECT_EQ(m.Heim.Ersatz7Eingesetzt, 1);
    EXPECT_EQ(sim.teile(2)[1].spieler, 7);  // round 2 brings the substitute to lane 2
    EXPECT_EQ(m.Spieler[2].VerwarnungAnzahl, 1);
    EXPECT_EQ(sim.teile(1)[0].wuerfe.size(), 6u);
    EXPECT_EQ(m.Spieler[12].Durchgang[2].Wurf.Zahl, 2);
    EXPECT_EQ(m.Spieler[12].Wurf.Zahl, 8);

    spielerPruefen(m, {1, 2, 3, 4, 7, 9, 10, 11, 12});
    EXPECT_EQ(m.Spieler[1].Wurf.Zahl + m.Spieler[7].Wurf.Zahl, 12);
}

// With the manual lane change every round change and the end wait for the
// operator's go-ahead; meanwhile no lane starts.
TEST_P(AktiverBetrieb, ManualLaneChangeWaitsForTheGoAhead)
{
    Bahnsimulator& sim = anlage.sim;
    Einst.ManualBahnw = true;
    TWettkampfDaten& m = wettkampf(false);
    SpielStarten(m);
    auto teile = [&] {
        std::size_t n = 0;
        for (int l = 1; l <= Bahnen; ++l) n += sim.teile(l).size();
        return n;
    };
    for (int r = 1; r <= Runden; ++r) {
        SCOPED_TRACE("after round " + std::to_string(r));
        ASSERT_TRUE(anlage.bis([&] { return m.WechselAnstehend != 0; }));
        EXPECT_EQ(m.Durchgang, r + 1);
        EXPECT_EQ(m.KeinNaechsterDurchgang, r == Runden ? 1 : 0);
        const std::size_t vorher = teile();
        for (int i = 0; i < 200; ++i) anlage.schritt();
        EXPECT_EQ(teile(), vorher);
        EXPECT_EQ(m.Beendet, 0);
        WechselFreigeben(m);
    }
    ASSERT_TRUE(anlage.bis([&] { return m.Beendet != 0; })) << "Durchgang " << int(m.Durchgang);
    endePruefen(m);
    EXPECT_EQ(runden, planRunden());
    EXPECT_EQ(teile(), std::size_t(Bahnen * Runden));
    spielerPruefen(m, {1, 2, 3, 4, 9, 10, 11, 12});
}

// Two matches side by side, on lanes 1+2 and 3+4 (the two-lane plan, eight
// rounds): each books the throws of its own lanes only.
TEST_P(AktiverBetrieb, TwoMatchesSideBySide)
{
    Bahnsimulator& sim = anlage.sim;
    TWettkampfDaten& a = wettkampf(false, 4, 1, 2);
    TWettkampfDaten& b = wettkampf(true, 4, 3, 4);
    anlage.beobachter = nullptr;
    ASSERT_NE(&a, &b);
    SpielStarten(a);
    SpielStarten(b);
    ASSERT_TRUE(anlage.bis([&] { return a.Beendet && b.Beendet; }));
    EXPECT_TRUE(anlage.ausklingen());
    EXPECT_EQ(a.WettkampfNummer, 0x21);
    EXPECT_EQ(b.WettkampfNummer, 0x22);
    for (auto [m, erste] : {std::pair{&a, 1}, std::pair{&b, 3}}) {
        SCOPED_TRACE("match on lane " + std::to_string(erste));
        EXPECT_EQ(m->Spielphase, PhaseBeendet);
        EXPECT_EQ(m->Durchgang, 9);
        for (int l = erste; l <= erste + 1; ++l) EXPECT_EQ(sim.teile(l).size(), 8u) << l;
        Zaehlung heim, gast;
        for (int nr : {1, 2, 3, 4, 9, 10, 11, 12}) {
            Zaehlung z;
            for (int l = erste; l <= erste + 1; ++l) {
                for (const Teil& t : sim.teile(l))
                    for (const GemeldeterWurf& w : t.wuerfe)
                        if (w.spieler == nr) z.addieren(w);
            }
            const TSpielerEintrag& p = m->Spieler[nr];
            EXPECT_EQ(p.Wurf.Zahl, 12) << nr;
            EXPECT_EQ(p.Wurf.Zahl, z.wuerfe) << nr;
            EXPECT_EQ(p.Total.Zahl, z.gesamt()) << nr;
            EXPECT_EQ(p.Fehler.Zahl, z.fehler) << nr;
            (nr <= 8 ? heim : gast) += z;
        }
        EXPECT_EQ(m->Heim.Total.Zahl, heim.gesamt());
        EXPECT_EQ(m->Gast.Total.Zahl, gast.gesamt());
        for (int l = erste; l <= erste + 1; ++l) EXPECT_EQ(sim.spielNr(l), 0) << l;
    }
}

// Five players a side on four lanes. With Art 0 lanes 3 and 4 are idle in
// rounds 1 and 2 and join in round 3; with Art 2 they leave the match after
// round 4 and are signed off while lanes 1 and 2 play rounds 5 and 6.
TEST_P(FuenfSpieler, LanesJoinAndLeaveAlongThePlan)
{
    using Zeile = std::array<int, 6>;
    const std::array<Zeile, Bahnen> plan =
        GetParam().art == 0
            ? std::array<Zeile, Bahnen>{{{1, 9, 10, 2, 4, 12}, {9, 1, 2, 10, 12, 4}, {0, 0, 11, 3, 5, 13}, {0, 0, 3, 11, 13, 5}}}
            : std::array<Zeile, Bahnen>{{{1, 9, 11, 3, 5, 13}, {9, 1, 3, 11, 13, 5}, {2, 10, 12, 4, 0, 0}, {10, 2, 4, 12, 0, 0}}};
    Bahnsimulator& sim = anlage.sim;
    TWettkampfDaten& m = wettkampf(false, 5);
    SpielStarten(m);

    if (GetParam().art == 2) {
        ASSERT_TRUE(anlage.bis([&] { return m.Durchgang == 5; }));
        for (int l : {3, 4}) {
            EXPECT_EQ(m.BahnImSpiel[l], 0) << l;
            EXPECT_EQ(BahnDaten[l].BahnStatus, 0) << l;
        }
        // Signed off after TimeoutBahnw seconds, within round 5.
        ASSERT_TRUE(anlage.bis([&] { return !sim.online(3) && !sim.online(4); }));
        EXPECT_EQ(m.Durchgang, 5);
        EXPECT_EQ(sim.spielNr(3), 0);
        EXPECT_EQ(BahnDaten[3].BahnOnline, 0);
    }
    ASSERT_TRUE(anlage.bis([&] { return m.Beendet != 0; })) << "Durchgang " << int(m.Durchgang);
    endePruefen(m);

    std::vector<std::pair<int, Belegung>> erwartet;
    for (std::size_t r = 0; r < 6; ++r) erwartet.push_back({int(r) + 1, {plan[0][r], plan[1][r], plan[2][r], plan[3][r]}});
    erwartet.push_back({7, erwartet.back().second});
    EXPECT_EQ(runden, erwartet);
    for (int l = 1; l <= Bahnen; ++l) {
        std::vector<int> spieler;
        for (int nr : plan[std::size_t(l - 1)])
            if (nr) spieler.push_back(nr);
        std::vector<int> gespielt;
        for (const Teil& t : sim.teile(l)) gespielt.push_back(t.spieler);
        EXPECT_EQ(gespielt, spieler) << "lane " << l;
    }
    spielerPruefen(m, {1, 2, 3, 4, 5, 9, 10, 11, 12, 13});
    EXPECT_EQ(m.Heim.Wuerfe.Zahl, 5 * 2 * 6);
    EXPECT_EQ(m.Gast.Wuerfe.Zahl, 5 * 2 * 6);
}

// Mode 2: a lane controller that restarts in the middle of a part gets its
// state again from the program (registration, counters, rack, start block)
// and goes on where it stood; game (a) ends as it does without the restart.
TEST_P(Neustart, ALaneRestartingMidPartGoesOnWhereItStood)
{
    Bahnsimulator& sim = anlage.sim;
    for (const auto& [bahn, wuerfe] : Skripte(SpielA, false)) sim.setSkript(bahn, wuerfe);
    TWettkampfDaten& m = wettkampf(false);
    SpielStarten(m);
    // Player 2 on lane 3, "7 0 9 | 9 3 2": after the 3 the rack has 6 pins.
    ASSERT_TRUE(anlage.bis([&] { return sim.teile(3).size() == 1 && sim.teile(3)[0].wuerfe.size() >= 5; }));
    ASSERT_EQ(sim.teile(3)[0].wuerfe.size(), 5u);
    sim.neustart(3);
    ASSERT_TRUE(anlage.bis([&] { return sim.online(3) && sim.teilLaeuft(3); }));
    EXPECT_EQ(sim.spielNr(3), m.WettkampfNummer);
    EXPECT_EQ(sim.spieler(3), 2);

    ASSERT_TRUE(anlage.bis([&] { return m.Beendet != 0; })) << "Durchgang " << int(m.Durchgang);
    endePruefen(m);
    EXPECT_EQ(runden, planRunden());
    buchungPruefen(m, SpielA);
    TabellenpunkteBerechnen(m);
    punktePruefen(m, SpielA);
}

INSTANTIATE_TEST_SUITE_P(Bahnsteuerung, Spielbetrieb,
                         ::testing::Values(Betrieb{0, 0}, Betrieb{1, 3}, Betrieb{2, 1}), Name);
INSTANTIATE_TEST_SUITE_P(Bahnsteuerung, AktiverBetrieb, ::testing::Values(Betrieb{1, 0}, Betrieb{2, 0}), Name);
INSTANTIATE_TEST_SUITE_P(Bahnsteuerung, FuenfSpieler,
                         ::testing::Values(Betrieb{1, 3, 0}, Betrieb{2, 1, 0}, Betrieb{1, 3, 2}, Betrieb{2, 1, 2}),
                         [](const ::testing::TestParamInfo<Betrieb>& i) {
                             return "Modus" + std::to_string(i.param.modus) + "Art" + std::to_string(i.param.art);
                         });
INSTANTIATE_TEST_SUITE_P(Bahnsteuerung, Neustart, ::testing::Values(Betrieb{2, 1}), Name);

}  // namespace
