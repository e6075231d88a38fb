// Whole matches between the program and the lane simulator over Qt's virtual
// CAN bus, with the program's timers really running: the timer module, the
// receive and send pumps and the engine on their QTimers, the lanes on the
// bridge's timer, all in this process's event loop. Every throw is scripted;
// the bookings are checked against the lanes' own count and the points
// against values worked out by hand.

#include "Anzeigedienste.h"
#include "Bahnsimulator.h"
#include "Boxes.h"
#include "CanEmpfang.h"
#include "CanKarte.h"
#include "CanSenden.h"
#include "Clock.h"
#include "Globals.h"
#include "QtCanAdapter.h"
#include "Spielablauf.h"
#include "Spielende.h"
#include "Startprompts.h"
#include "TimerModul.h"
#include "VirtualCanBruecke.h"
#include "Wertung.h"
#include "Wettkampfslots.h"
#include "Zeitgeber.h"
#include "Zeitgeberliste.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The plugin keeps one server per process: one port for this executable,
// whose tests never run side by side (RUN_SERIAL in tests/CMakeLists.txt).
const QString Bus = QStringLiteral("virtualcan:tcp://127.0.0.1:35473/can0");

// Intervals in ms, shortened from 50 ms (end-of-lane check, receive pump),
// 10 ms (send pump) and 1 s (lane start, match end, sign-off).
constexpr int TaktBahnende = 2;
constexpr int TaktEmpfang = 2;
constexpr int TaktSenden = 2;
constexpr int TaktSekunde = 50;
// The lanes: a tick of 5 ms, a throw every 3 ticks, a part 30 ticks after
// its start (three lane start ticks: the lanes of mode 0 start themselves,
// the program must have started the lane first), 20 ticks of practice.
constexpr int TaktBahnen = 5;
constexpr int SimBahnen = 4;  // the alley
constexpr int Frist = 50000;  // a whole match, ms

constexpr int Gruppen = 5;  // a phase: its group of three throws five times
constexpr int Volle = 3 * Gruppen;
constexpr int Abraeumen = 3 * Gruppen;

// One part: the Volle group and the Abräumen group, each thrown five times,
// and what the part counts, by hand. Every Abräumen group ends on a full
// rack ("5 4 0": 5, 4 clear, 0 on the new rack), so each group counts alike.
struct Teilvorgabe {
    const char* volleGruppe;
    const char* abrGruppe;
    int volle;   // 5 x the Volle group
    int abr;     // 5 x the Abräumen group
    int fehler;  // misses; a foul that felled pins is none
    int holz() const { return volle + abr; }
};

// Groups used (one group, x 5):
//   Volle:    "9 9 9" 27 (135), "9 8 7" / "8 8 8" 24 (120), "7 7 7" 21 (105),
//             "6 6 6" 18 (90), "9 0 9" 18 + 1 miss (90, 5 misses),
//             "9 9! 9" 18, the foul felled 9 and counts zero, no miss (90)
//   Abräumen: "X X X" 27 (135), "7 2 X" / "6 3 9" 18 (90),
//             "3 3 3" / "4 4 X" (4, 4, the last 1) 9 (45),
//             "5 4 0" / "8 1 0" 9 + 1 miss (45, 5 misses)
struct Spielervorgabe {
    int nr;
    std::vector<Teilvorgabe> teile;  // round blocks 1..
    std::vector<float> sap;          // set point of each block
    float map;
    int holz;  // all parts
};

struct Seitenvorgabe {
    int total, volle, abr, fehler, wuerfe;
    float sap, map, ergebnisMaP, totalMaP;
    const char* tap;
};

struct Spielvorgabe {
    int modus;       // Bahnsteuerung
    int bahnen;      // lanes 1..bahnen
    int spielmodus;  // start-order mode
    int spieleranzahl;
    int durchgaenge;
    int probe;
    std::vector<std::vector<int>> plan;  // player on each lane, round by round
    std::vector<Spielervorgabe> spieler;
    Seitenvorgabe heim, gast;
};

// Game (a): four lanes, mode 1, start-order mode 3, six players a side, four
// rounds each. Duels on lanes 1+2 and 3+4; duel i plays block d in round
// 4(k-1) + d, k = 1 for players 1, 2, 3 for 5, 6.
const Spielvorgabe SpielA{
    1, 4, 3, 6, 4, 3,
    {
        {1, 9, 2, 10}, {9, 1, 10, 2}, {10, 2, 9, 1}, {2, 10, 1, 9},
        {3, 11, 4, 12}, {11, 3, 12, 4}, {12, 4, 11, 3}, {4, 12, 3, 11},
        {5, 13, 6, 14}, {13, 5, 14, 6}, {14, 6, 13, 5}, {6, 14, 5, 13},
    },
    {
        // Duel 1: 210:150, 135:210, 195:195, 255:180; sets 2.5:1.5.
        {1, {{"9 8 7", "7 2 X", 120, 90, 0}, {"6 6 6", "3 3 3", 90, 45, 0},
             {"7 7 7", "6 3 9", 105, 90, 0}, {"8 8 8", "X X X", 120, 135, 0}},
         {1, 0, 0.5, 1}, 1, 795},
        {9, {{"7 7 7", "3 3 3", 105, 45, 0}, {"8 8 8", "6 3 9", 120, 90, 0},
             {"7 7 7", "7 2 X", 105, 90, 0}, {"9 0 9", "7 2 X", 90, 90, 5}},
         {0, 1, 0.5, 0}, 0, 735},
        // Duel 2: 270:150, 210:135, 135:270, 135:225; sets 2:2, pins 750:780.
        {2, {{"9 9 9", "X X X", 135, 135, 0}, {"9 8 7", "7 2 X", 120, 90, 0},
             {"6 6 6", "3 3 3", 90, 45, 0}, {"9 9! 9", "3 3 3", 90, 45, 0}},
         {1, 1, 0, 0}, 0, 750},
        {10, {{"7 7 7", "5 4 0", 105, 45, 5}, {"6 6 6", "4 4 X", 90, 45, 0},
              {"9 9 9", "X X X", 135, 135, 0}, {"9 9 9", "6 3 9", 135, 90, 0}},
         {0, 0, 1, 1}, 1, 780},
        // Duel 3: 210:195, 150:165, 210:165, 135:180; sets 2:2, pins 705:705.
        {3, {{"8 8 8", "7 2 X", 120, 90, 0}, {"7 7 7", "3 3 3", 105, 45, 0},
             {"9 8 7", "6 3 9", 120, 90, 0}, {"6 6 6", "4 4 X", 90, 45, 0}},
         {1, 0, 1, 0}, 0.5, 705},
        {11, {{"7 7 7", "6 3 9", 105, 90, 0}, {"9 8 7", "3 3 3", 120, 45, 0},
              {"8 8 8", "3 3 3", 120, 45, 0}, {"6 6 6", "7 2 X", 90, 90, 0}},
         {0, 1, 0, 1}, 0.5, 705},
        // Duel 4: 135:135, 255:165, 210:150, 195:225; sets 2.5:1.5.
        {4, {{"9 0 9", "5 4 0", 90, 45, 10}, {"9 8 7", "X X X", 120, 135, 0},
             {"8 8 8", "6 3 9", 120, 90, 0}, {"7 7 7", "7 2 X", 105, 90, 0}},
         {0.5, 1, 1, 0}, 1, 795},
        {12, {{"6 6 6", "8 1 0", 90, 45, 5}, {"8 8 8", "5 4 0", 120, 45, 5},
              {"7 7 7", "4 4 X", 105, 45, 0}, {"9 9 9", "6 3 9", 135, 90, 0}},
         {0.5, 0, 0, 1}, 0, 675},
        // Duel 5: 150:210, 225:165, 135:195, 165:255; sets 1:3.
        {5, {{"7 7 7", "3 3 3", 105, 45, 0}, {"9 9 9", "6 3 9", 135, 90, 0},
             {"6 6 6", "8 1 0", 90, 45, 5}, {"8 8 8", "3 3 3", 120, 45, 0}},
         {0, 1, 0, 0}, 0, 675},
        {13, {{"8 8 8", "7 2 X", 120, 90, 0}, {"9 8 7", "4 4 X", 120, 45, 0},
              {"7 7 7", "7 2 X", 105, 90, 0}, {"9 8 7", "X X X", 120, 135, 0}},
         {1, 0, 1, 1}, 1, 825},
        // Duel 6: 225:210, 255:240, 210:135, 150:135; sets 4:0.
        {6, {{"9 9 9", "7 2 X", 135, 90, 0}, {"8 8 8", "X X X", 120, 135, 0},
             {"9 8 7", "6 3 9", 120, 90, 0}, {"7 7 7", "4 4 X", 105, 45, 0}},
         {1, 1, 1, 1}, 1, 840},
        {14, {{"9 8 7", "6 3 9", 120, 90, 0}, {"7 7 7", "X X X", 105, 135, 0},
              {"6 6 6", "5 4 0", 90, 45, 5}, {"9 0 9", "3 3 3", 90, 45, 5}},
         {0, 0, 0, 0}, 0, 720},
    },
    // Pins 795+750+705+795+675+840 = 4560 (Volle 435+435+435+435+450+480,
    // Abräumen 360+315+270+360+225+360), misses 10+5; sets 14; duels
    // 1+0+0.5+1+0+1 = 3.5, more pins 2: 5.5, table points 2.
    {4560, 2670, 1890, 15, 720, 14, 3.5, 2, 5.5, "2"},
    // Pins 735+780+705+675+825+720 = 4440 (Volle 420+465+435+450+465+405,
    // Abräumen 315+315+270+225+360+315), misses 5+5+10+10; sets 10; duels
    // 2.5: 2.5, table points 0.
    {4440, 2640, 1800, 30, 720, 10, 2.5, 0, 2.5, "0"},
};

// Game (b): two lanes, mode 0 (the lanes run the game), start-order mode 2,
// four players a side, two rounds each; duel i in rounds 2i-1, 2i.
const Spielvorgabe SpielB{
    0, 2, 2, 4, 2, 0,
    {{1, 9}, {9, 1}, {10, 2}, {2, 10}, {3, 11}, {11, 3}, {12, 4}, {4, 12}},
    {
        // Duel 1: 165:195, 225:165; sets 1:1, pins 390:360.
        {1, {{"9 8 7", "5 4 0", 120, 45, 5}, {"9 9 9", "6 3 9", 135, 90, 0}}, {0, 1}, 1, 390},
        {9, {{"7 7 7", "7 2 X", 105, 90, 0}, {"8 8 8", "3 3 3", 120, 45, 0}}, {1, 0}, 0, 360},
        // Duel 2: 255:165, 150:150; sets 1.5:0.5.
        {2, {{"8 8 8", "X X X", 120, 135, 0}, {"7 7 7", "3 3 3", 105, 45, 0}}, {1, 0.5}, 1, 405},
        {10, {{"9 8 7", "4 4 X", 120, 45, 0}, {"7 7 7", "4 4 X", 105, 45, 0}}, {0, 0.5}, 0, 315},
        // Duel 3: 135:225, 135:210; sets 0:2.
        {3, {{"6 6 6", "8 1 0", 90, 45, 5}, {"9 0 9", "3 3 3", 90, 45, 5}}, {0, 0}, 0, 270},
        {11, {{"9 9 9", "7 2 X", 135, 90, 0}, {"8 8 8", "6 3 9", 120, 90, 0}}, {1, 1}, 1, 435},
        // Duel 4: 180:150, 210:255; sets 1:1, pins 390:405.
        {4, {{"9 9! 9", "7 2 X", 90, 90, 0}, {"8 8 8", "6 3 9", 120, 90, 0}}, {1, 0}, 0, 390},
        {12, {{"7 7 7", "5 4 0", 105, 45, 5}, {"9 8 7", "X X X", 120, 135, 0}}, {0, 1}, 1, 405},
    },
    // Pins 390+405+270+390 = 1455 (Volle 255+225+180+210, Abräumen
    // 135+180+90+180), misses 5+10; sets 3.5; duels 1+1+0+0 = 2, fewer
    // pins 0: 2, table points 0.
    {1455, 870, 585, 15, 240, 3.5, 2, 0, 2, "0"},
    // Pins 360+315+435+405 = 1515 (Volle 225+225+255+225, Abräumen
    // 135+90+180+180), misses 5; sets 4.5; duels 2, more pins 2: 4, table
    // points 2.
    {1515, 930, 585, 5, 240, 4.5, 2, 2, 4, "2"},
};

const Spielervorgabe& Vorgabe(const Spielvorgabe& v, int nr)
{
    for (const Spielervorgabe& s : v.spieler)
        if (s.nr == nr) return s;
    ADD_FAILURE() << "no player " << nr;
    return v.spieler.front();
}

// The player's round block that plan round r (0-based) plays.
int BlockNr(const Spielvorgabe& v, int nr, std::size_t r)
{
    int n = 0;
    for (std::size_t k = 0; k <= r; ++k)
        for (int s : v.plan[k])
            if (s == nr) ++n;
    return n;
}

Wurfliste Wuerfe(const Teilvorgabe& t)
{
    QStringList teile;
    for (int i = 0; i < Gruppen; ++i) teile << QString::fromLatin1(t.volleGruppe);
    teile << QStringLiteral("|");
    for (int i = 0; i < Gruppen; ++i) teile << QString::fromLatin1(t.abrGruppe);
    const QString text = teile.join(u' ');
    QString fehler;
    const std::optional<Wurfliste> w = WuerfeLesen(text, &fehler);
    EXPECT_TRUE(w) << text.toStdString() << ": " << fehler.toStdString();
    return w.value_or(Wurfliste{});
}

// Each lane plays the parts of the players the plan puts on it, round after round.
std::map<int, Wurfliste> Skripte(const Spielvorgabe& v)
{
    std::map<int, Wurfliste> s;
    for (std::size_t r = 0; r < v.plan.size(); ++r)
        for (int bahn = 1; bahn <= v.bahnen; ++bahn) {
            const int nr = v.plan[r][std::size_t(bahn - 1)];
            const Wurfliste w = Wuerfe(Vorgabe(v, nr).teile[std::size_t(BlockNr(v, nr, r) - 1)]);
            s[bahn].insert(s[bahn].end(), w.begin(), w.end());
        }
    return s;
}

Bahnsimulator::Vorgaben SimVorgaben()
{
    Bahnsimulator::Vorgaben v;
    v.bahnen = SimBahnen;
    v.pcEinheit = 2;
    v.wurfTakt = 3;
    v.startVerzoegerung = 30;
    v.probeTakte = 20;
    v.seed = 11;
    return v;
}

const char* const Spielernamen[] = {"",           "Anton Adler", "Bernd Brandt", "Carl Conrad",
                                    "Dieter Dorn", "Erwin Eck",   "Fritz Frey",   "Ignaz Igel",
                                    "Jakob Jung",  "Emil Eder",   "Franz Fink",   "Georg Graf",
                                    "Hans Hahn",   "Karl Kern",   "Ludwig Lang",  "Max Moser",
                                    "Otto Ott"};

using Belegung = std::vector<int>;

class VirtualBusMatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalsZuruecksetzen();
        SpielablaufZuruecksetzen();
        CanSendenZuruecksetzen();
        CanEmpfangZuruecksetzen();
        AnzeigezustandZuruecksetzen();
        skriptBoxen() = SkriptBoxen{};
        skriptPrompts() = SkriptPrompts{};
        setUhr([] { return QDateTime(QDate(2026, 3, 14), QTime(19, 30, 0)); });
        intervalle = {Timer2().interval(), Timer3().interval(), Timer9().interval(), TimerSpielEnde().interval(),
                      TimerBahnEnde().interval()};
        Timer2().setInterval(TaktBahnende);
        Timer3().setInterval(TaktEmpfang);
        for (Zeitgeber* t : {&Timer9(), &TimerSpielEnde(), &TimerBahnEnde()}) t->setInterval(TaktSekunde);

        Einst.PcEinheit = 2;
        Einst.TimeoutBahnw = 2;
        Einst.SaPWand = true;
        Einst.CanBusTimer = TaktSenden;
        Einst.CanSchnittstelle = Bus;
        Einst.CanBusKarte = 1;

        QString fehler;
        bruecke.setTaktMs(TaktBahnen);
        ASSERT_TRUE(bruecke.oeffnen(Bus, &fehler)) << fehler.toStdString();
        setCanAdapter(&adapter);
        CanEinstellungenUebernehmen();
        CanKarteOeffnen();
        ASSERT_EQ(CanAktiv, 1) << CanEinstellungen.StatusText.toStdString();
    }

    void TearDown() override
    {
        TimerModulBeenden();
        for (Zeitgeber* t : {&TimerSpielEnde(), &TimerBahnEnde(), &TimerFocus()}) t->setEnabled(false);
        bruecke.schliessen();
        setCanAdapter(nullptr);
        Timer2().setInterval(intervalle[0]);
        Timer3().setInterval(intervalle[1]);
        Timer9().setInterval(intervalle[2]);
        TimerSpielEnde().setInterval(intervalle[3]);
        TimerBahnEnde().setInterval(intervalle[4]);
        CanSendenZuruecksetzen();
        CanEmpfangZuruecksetzen();
        SpielablaufZuruecksetzen();
        UebernahmeWettkampf = nullptr;
        skriptBoxen() = SkriptBoxen{};
        skriptPrompts() = SkriptPrompts{};
        setUhr({});
        GlobalsZuruecksetzen();
    }

    TWettkampfDaten& wettkampf(const Spielvorgabe& v)
    {
        Einst.Bahnsteuerung = u8(v.modus);
        EXPECT_TRUE(WettkampfAnlegen());
        WettkampfVorgabenSetzen();
        TWettkampfDaten& m = *AktWettkampf;
        m.Heimmannschaft = "KSC Ahorn 1";
        m.Gastmannschaft = "SG Birkenau 1";
        m.ErsteBahn = 1;
        m.LetzteBahn = u8(v.bahnen);
        m.Volle = Volle;
        m.Abraeumen = Abraeumen;
        m.Durchgaenge = u16(v.durchgaenge);
        m.Wurfzeit = 12;
        m.Spielmodus = u16(v.spielmodus);
        m.Spieleranzahl = u16(v.spieleranzahl);
        m.Art = 0;
        m.Probe = u16(v.probe);
        ProbewuerfeUebernehmen();
        m.Punktespiel = 1;
        m.SVictory1Spiel = 1;
        m.SVictoryWuerfe = 3;
        EXPECT_TRUE(StartfolgeZuordnen());
        for (int nr = 1; nr <= MaxSpieler; ++nr) m.Spieler[nr].Name = Spielernamen[nr];
        for (const auto& [bahn, wuerfe] : Skripte(v)) sim.setSkript(bahn, wuerfe);
        beobachter = [this, &m, n = v.bahnen] {
            if (!runden.empty() && m.Durchgang == runden.back().first) return;
            Belegung b;
            for (int bahn = 1; bahn <= n; ++bahn) b.push_back(m.Bahnbelegung[bahn]);
            runden.push_back({m.Durchgang, b});
        };
        return m;
    }

    // Runs the event loop until ziel holds or frist ms have passed; the
    // observer looks at the match every millisecond.
    bool laufen(const std::function<bool()>& ziel, int frist)
    {
        QEventLoop schleife;
        QTimer pruefen, ablauf;
        QObject::connect(&pruefen, &QTimer::timeout, &schleife, [&] {
            if (beobachter) beobachter();
            if (ziel()) schleife.quit();
        });
        ablauf.setSingleShot(true);
        QObject::connect(&ablauf, &QTimer::timeout, &schleife, &QEventLoop::quit);
        pruefen.start(1);
        ablauf.start(frist);
        if (!ziel()) schleife.exec();
        return ziel();
    }

    // Starts the timers and the match and plays it to its end.
    void spielen(TWettkampfDaten& m)
    {
        BahnendeTimerAktiv = CanEmpfangTimerAktiv = 1;
        TimerModulStarten();
        EXPECT_TRUE(Timer2().laeuft());
        EXPECT_TRUE(Timer3().laeuft());
        SpielStarten(m);
        ASSERT_TRUE(laufen([&] { return m.Beendet != 0; }, Frist)) << "Durchgang " << int(m.Durchgang);
        // The sign-off reaches the lanes.
        EXPECT_TRUE(laufen(
            [&] {
                for (int bahn = 1; bahn <= SimBahnen; ++bahn)
                    if (sim.spielNr(bahn) != 0 || sim.teilLaeuft(bahn)) return false;
                return BahnSendenAusstehend == 0;
            },
            5000));
    }

    void endePruefen(const TWettkampfDaten& m, const Spielvorgabe& v)
    {
        EXPECT_EQ(m.Beendet, 1);
        EXPECT_EQ(m.Gestartet, 0);
        EXPECT_EQ(m.Spielphase, PhaseBeendet);
        EXPECT_EQ(m.Durchgang, int(v.plan.size()) + 1);
        for (int bahn = 1; bahn <= v.bahnen; ++bahn) {
            EXPECT_EQ(BahnDaten[bahn].BahnStatus, 0) << bahn;
            EXPECT_EQ(m.BahnImSpiel[bahn], 0) << bahn;
            EXPECT_FALSE(sim.teilLaeuft(bahn)) << bahn;
            EXPECT_EQ(sim.skriptRest(bahn), 0u) << bahn;
            EXPECT_EQ(sim.teile(bahn).size(), v.plan.size()) << bahn;
        }
        EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join(u'|').toStdString();
        EXPECT_TRUE(skriptPrompts().tags.isEmpty());
        EXPECT_EQ(CanSendeVerworfen, 0u);
        // The plan's rounds in order; after the last one the lanes stay.
        std::vector<std::pair<int, Belegung>> erwartet;
        for (std::size_t r = 0; r < v.plan.size(); ++r) erwartet.push_back({int(r) + 1, v.plan[r]});
        erwartet.push_back({int(v.plan.size()) + 1, v.plan.back()});
        EXPECT_EQ(runden, erwartet);
    }

    // Every booked throw, part, player and side against the lanes' count and
    // against the hand values.
    void buchungPruefen(const TWettkampfDaten& m, const Spielvorgabe& v)
    {
        std::map<int, Zaehlung> spieler;
        for (std::size_t r = 0; r < v.plan.size(); ++r)
            for (int bahn = 1; bahn <= v.bahnen; ++bahn) {
                SCOPED_TRACE("round " + std::to_string(r + 1) + ", lane " + std::to_string(bahn));
                const int nr = v.plan[r][std::size_t(bahn - 1)];
                const int d = BlockNr(v, nr, r);
                ASSERT_GT(sim.teile(bahn).size(), r);
                const Teil& t = sim.teile(bahn)[r];
                // In mode 0 the lanes are not told who plays.
                if (v.modus != 0) {
                    EXPECT_EQ(t.spieler, nr);
                }
                const TDurchgangBlock& b = m.Spieler[nr].Durchgang[d];
                EXPECT_EQ(b.Bahn, bahn);
                ASSERT_EQ(t.wuerfe.size(), std::size_t(Volle + Abraeumen));
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
                EXPECT_EQ(b.Volle.Zahl, hand.volle);
                EXPECT_EQ(b.Abr.Zahl, hand.abr);
                EXPECT_EQ(b.Total.Zahl, hand.holz());
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
            EXPECT_EQ(p.Total.Zahl, Vorgabe(v, nr).holz);
            if (v.modus != 0) {
                EXPECT_EQ(sim.spielerZaehlung(nr), z);
            }
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
            EXPECT_EQ(seite->Wuerfe.Zahl, hand.wuerfe);
        }
        Zaehlung alle;
        for (int bahn = 1; bahn <= v.bahnen; ++bahn) alle += sim.zaehlung(bahn);
        EXPECT_EQ(alle.gesamt(), v.heim.total + v.gast.total);
    }

    void punktePruefen(const TWettkampfDaten& m, const Spielvorgabe& v)
    {
        for (const Spielervorgabe& s : v.spieler) {
            SCOPED_TRACE("player " + std::to_string(s.nr));
            const TSpielerEintrag& p = m.Spieler[s.nr];
            float summe = 0;
            for (std::size_t d = 0; d < s.sap.size(); ++d) {
                EXPECT_FLOAT_EQ(p.Durchgang[long(d) + 1].SaP, s.sap[d]) << "block " << d + 1;
                summe += s.sap[d];
            }
            EXPECT_FLOAT_EQ(p.SaP, summe);
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

    Bahnsimulator sim{SimVorgaben()};
    VirtualCanBruecke bruecke{sim};
    QtCanAdapter adapter;
    std::function<void()> beobachter;
    std::vector<std::pair<int, Belegung>> runden;  // Durchgang and Bahnbelegung at each change
    std::array<int, 5> intervalle{};
};

// (a) Four lanes in mode 1: the program starts every part (after practice in
// each player's first round); 12 rounds of 15 + 15 throws a lane.
TEST_F(VirtualBusMatch, FourLanePointsGameInMode1)
{
    TWettkampfDaten& m = wettkampf(SpielA);
    ASSERT_NO_FATAL_FAILURE(spielen(m));
    endePruefen(m, SpielA);
    buchungPruefen(m, SpielA);
    punktePruefen(m, SpielA);
}

// (b) Two lanes in mode 0: the lanes run the game from the game parameters
// and start each further part once the program registered them again.
TEST_F(VirtualBusMatch, TwoLanePointsGameInMode0)
{
    TWettkampfDaten& m = wettkampf(SpielB);
    ASSERT_NO_FATAL_FAILURE(spielen(m));
    endePruefen(m, SpielB);
    buchungPruefen(m, SpielB);
    punktePruefen(m, SpielB);
}

}  // namespace
