// Whole matches between the program and the lane simulator over Qt's virtual
// CAN bus, each on a bus of its own, with the program's timers really
// running: the receive and send pumps and the end-of-lane check on their
// QTimers, all in this process's event loop. The receive pump's ticks are
// the one clock of the run: the lanes advance and the engine's one-second
// timers tick on counts of them, so a loaded machine slows the whole run down
// alike and never changes what either side sees first. Every throw is
// scripted; the bookings are checked against the lanes' own count and the
// points against values worked out by hand.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/ui/Fensterhub.h"
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/Wettkampf.h"
#include "e2e/Busbetrieb.h"
#include "e2e/Spielaufbau.h"
#include "lanesim/VirtualCanBruecke.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/lanes/Bahnuebersicht.h"
#include "match/flow/Bahnzyklus.h"
#include "match/engine/Korrekturbefehle.h"
#include "match/engine/Punkte.h"
#include "match/lanes/Wurfliste.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Startprompts.h"
#include "match/flow/Zeitgeberliste.h"
#include "match/print/Druckwarteschlange.h"
#include "match/print/Wurfblattdruck.h"
#include "match/ui/Bahnen.h"
#include "match/ui/Bahnfensterdienste.h"
#include "match/ui/Fensterregistrierung.h"
#include "match/ui/Korrektur.h"
#include "match/ui/Steuerung.h"
#include "platform/LinuxDruckerport.h"
#include "shell/ui/Main.h"
#include "support/Einsetzen.h"
#include "support/Papier.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <tuple>
#include <string>
#include <vector>

namespace {

// Limits in receive ticks: a whole match (game (a) takes about 5800, (b)
// about 3300), the sign-off after it.
constexpr long GrenzeSpiel = 15000;
constexpr long GrenzeAbmeldung = 2000;

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

struct Spielvorgabe {
    int modus;       // Bahnsteuerung
    int bahnen;      // lanes 1..bahnen
    int spielmodus;  // start-order mode
    int spieleranzahl;
    int durchgaenge;
    int probe;
    const Startplan& plan;
    std::vector<Spielervorgabe> spieler;
    Seitenvorgabe heim, gast;
};

// Game (a): four lanes, mode 1, start-order mode 3, six players a side, four
// rounds each. Duels on lanes 1+2 and 3+4; duel i plays block d in round
// 4(k-1) + d, k = 1 for players 1, 2, 3 for 5, 6.
const Spielvorgabe SpielA{
    1, 4, 3, 6, 4, 3, PlanVierBahnenSechsSpieler,
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
    0, 2, 2, 4, 2, 0, PlanZweiBahnenVierSpieler,
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

// A part's script: its Volle group and its Abräumen group, five times each.
QString Wurftext(const Teilvorgabe& t) { return Teilskript(t.volleGruppe, t.abrGruppe, Gruppen); }

class VirtualBusMatch : public Busbetrieb {
protected:
    VirtualBusMatch() : Busbetrieb(11) {}

    void SetUp() override
    {
        ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 14), QTime(19, 30, 0)));
        ASSERT_NO_FATAL_FAILURE(busEinrichten());
    }

    void TearDown() override
    {
        ProgrammAbbauen();
        busAbbauen();
    }

    TWettkampfDaten& wettkampf(const Spielvorgabe& v)
    {
        Spielart a;
        a.bahnsteuerung = v.modus;
        a.letzteBahn = v.bahnen;
        a.volle = Volle;
        a.abraeumen = Abraeumen;
        a.durchgaenge = v.durchgaenge;
        a.spielmodus = v.spielmodus;
        a.spieleranzahl = v.spieleranzahl;
        a.probe = v.probe;
        a.punktespiel = a.suddenVictory = true;
        TWettkampfDaten* m = WettkampfAufbauen(a);
        if (!m) throw std::runtime_error("no match");
        skripte(v);
        return *m;
    }

    // Starts the timers and the match, plays it to its end and checks the
    // end, the bookings and the points.
    void spielen(const Spielvorgabe& v)
    {
        TWettkampfDaten& m = wettkampf(v);
        durchspielen(m, v, [&] { SpielStarten(m); });
        for (const Spielervorgabe& s : v.spieler)
            EXPECT_EQ(PunkteAbweichung(m.Spieler[s.nr], s.sap, s.map), "") << "player " << s.nr;
        EXPECT_EQ(Abweichung(m.Heim, v.heim), "");
        EXPECT_EQ(Abweichung(m.Gast, v.gast), "");
    }

    // The lanes' scripts of the plan, for a match set up elsewhere.
    void skripte(const Spielvorgabe& v)
    {
        Busbetrieb::skripte(v.plan,
                            [&](int nr, int d) { return Wurftext(Vorgabe(v, nr).teile[std::size_t(d - 1)]); });
    }

    // Starts the timers, then the match by `start`, plays it to its end and
    // the lanes' sign-off, and checks how it ended.
    void bisZumEnde(TWettkampfDaten& m, const Spielvorgabe& v, const std::function<void()>& start)
    {
        beobachter = [this, &m] { RundeMerken(runden, m); };
        taktStarten();
        EXPECT_TRUE(Timer2().laeuft());
        EXPECT_TRUE(Timer3().laeuft());
        start();
        ASSERT_TRUE(laufen([&] { return m.Beendet != 0; }, GrenzeSpiel)) << "Durchgang " << int(m.Durchgang);
        // The sign-off reaches the lanes.
        EXPECT_TRUE(laufen([this] { return abgemeldet(4); }, GrenzeAbmeldung));

        EXPECT_EQ(m.Beendet, 1);
        EXPECT_EQ(m.Gestartet, 0);
        EXPECT_EQ(m.Spielphase, PhaseBeendet);
        EXPECT_EQ(m.Durchgang, int(v.plan.size()) + 1);
        for (int bahn = 1; bahn <= v.bahnen; ++bahn) {
            SCOPED_TRACE("lane " + std::to_string(bahn));
            EXPECT_EQ(BahnDaten[bahn].BahnStatus, 0);
            EXPECT_EQ(m.BahnImSpiel[bahn], 0);
            EXPECT_EQ(sim.skriptRest(bahn), 0u);
            EXPECT_EQ(sim.teile(bahn).size(), v.plan.size());
        }
        EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join(u'|').toStdString();
        EXPECT_TRUE(skriptPrompts().tags.isEmpty());
        EXPECT_EQ(CanSendeVerworfen, 0u);
        EXPECT_EQ(runden, PlanRunden(v.plan));
    }

    // Plays the match to its end as bisZumEnde, then checks every booking
    // against the lanes' own tally and the plan.
    void durchspielen(TWettkampfDaten& m, const Spielvorgabe& v, const std::function<void()>& start)
    {
        bisZumEnde(m, v, start);
        // In mode 0 the lanes are not told who plays.
        EXPECT_EQ(BuchungVergleichen(m, sim, v.plan, v.modus != 0), std::vector<std::string>{});
        for (const Spielervorgabe& s : v.spieler) {
            SCOPED_TRACE("player " + std::to_string(s.nr));
            for (std::size_t d = 0; d < s.teile.size(); ++d) {
                const TDurchgangBlock& b = m.Spieler[s.nr].Durchgang[long(d) + 1];
                EXPECT_EQ(b.Volle.Zahl, s.teile[d].volle) << "block " << d + 1;
                EXPECT_EQ(b.Abr.Zahl, s.teile[d].abr) << "block " << d + 1;
                EXPECT_EQ(b.Fehler.Zahl, s.teile[d].fehler) << "block " << d + 1;
            }
            EXPECT_EQ(m.Spieler[s.nr].Total.Zahl, s.holz);
        }
    }

    Runden runden;
};

// (a) Four lanes in mode 1: the program starts every part (after practice in
// each player's first round); 12 rounds of 15 + 15 throws a lane.
TEST_F(VirtualBusMatch, FourLanePointsGameInMode1) { spielen(SpielA); }

// (b) Two lanes in mode 0: the lanes run the game from the game parameters
// and start each further part once the program registered them again.
TEST_F(VirtualBusMatch, TwoLanePointsGameInMode0) { spielen(SpielB); }

// Typed as the operator types, key by key.
// Game (a) set up through the program's own windows: "Neu", teams and
// line-up typed into the match window, the options chosen, "Spiel Start";
// then played over the bus to its end. The pins and every booking match the
// lanes' own count (the points need the match options, not set here).
TEST_F(VirtualBusMatch, AMatchSetUpInTheWindowsPlaysToItsEnd)
{
    Fensterhub hub;
    FensterDiensteEinsetzen fensterdienste(&hub);
    CompetitionFensterRegistrieren(hub);
    TMain main(hub);
    Einst.Bahnsteuerung = 1;

    main.MNeu->trigger();
    auto* w = qobject_cast<TWettkampf*>(hub.mdiFenster(MdiFenster::Wettkampf));
    ASSERT_NE(w, nullptr);
    ASSERT_NE(AktWettkampf, nullptr);
    TWettkampfDaten& m = *AktWettkampf;
    // Opened on the club field, with the menu of a match-data field.
    EXPECT_EQ(w->focusWidget(), w->EClub);
    EXPECT_FALSE(w->MSpielerAusschneiden->isEnabled());
    eintippen(w->EClub, QStringLiteral("Adler"));
    eintippen(w->EGast, QStringLiteral("KSV Eiche"));
    for (const Spielervorgabe& s : SpielA.spieler) eintippen(w->name(s.nr), QStringLiteral("Spieler %1").arg(s.nr));
    waehlen(w->CSpieler, QStringLiteral("6 Spieler"));
    waehlen(w->CBahnen, QStringLiteral("Bahn 1 bis 4"));
    waehlen(w->CProbe, QStringLiteral("5 Wurf Probe"));
    EXPECT_EQ(QString::fromLatin1(m.Heimmannschaft.c_str()), QStringLiteral("Adler 1"));
    EXPECT_EQ(m.Volle, Volle);
    EXPECT_EQ(m.Spielmodus, SpielA.spielmodus);
    EXPECT_EQ(m.Durchgaenge, SpielA.durchgaenge);

    skripte(SpielA);
    durchspielen(m, SpielA, [&] {
        skriptBoxen().antworten = {ErgebnisJa};
        main.MSpielStart->trigger();
        EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Spiel starten ? ")});
        skriptBoxen().gezeigt.clear();
    });
    for (const Spielervorgabe& s : SpielA.spieler)
        EXPECT_EQ(QString::fromLatin1(m.Spieler[s.nr].Name.c_str()), QStringLiteral("Spieler %1").arg(s.nr));
    EXPECT_EQ(m.Heim.Total.Zahl, SpielA.heim.total);
    EXPECT_EQ(m.Gast.Total.Zahl, SpielA.gast.total);
}

// The text a label, a button or a panel shows.
QString Anzeige(const QWidget* fenster, const QString& name)
{
    const QObject* o = fenster ? fenster->findChild<QObject*>(name) : nullptr;
    if (!o) {
        ADD_FAILURE() << "no control " << name.toStdString();
        return {};
    }
    return o->property("text").toString();
}

bool Sichtbar(const QWidget* fenster, const QString& name)
{
    const QWidget* w = fenster ? fenster->findChild<QWidget*>(name) : nullptr;
    return w && w->isVisibleTo(fenster);
}

QString Latin(const char* text) { return QString::fromLatin1(text); }

// Every player's line and the totals of the result window against the records.
void ErgebnisVergleichen(const TWettkampfDaten& m, const QWidget* ergebnis)
{
    ASSERT_NE(ergebnis, nullptr);
    for (int n = 1; n <= MaxSpieler; ++n) {
        const TSpielerEintrag& p = m.Spieler[n];
        if ((n - 1) % 8 >= m.Spieleranzahl) continue;
        SCOPED_TRACE("player " + std::to_string(n));
        const QString z = QString::number(n <= 8 ? n : n - 8);
        const QString seite = n <= 8 ? QStringLiteral("Heim") : QStringLiteral("Gast");
        EXPECT_EQ(Anzeige(ergebnis, "L" + seite + "Name" + z), Latin(p.Name.c_str()));
        EXPECT_EQ(Anzeige(ergebnis, "L" + seite + "Volle" + z), Latin(p.Volle.Text.c_str()));
        EXPECT_EQ(Anzeige(ergebnis, "L" + seite + "Abr" + z), Latin(p.Abr.Text.c_str()));
        EXPECT_EQ(Anzeige(ergebnis, "L" + seite + "Fehler" + z), Latin(p.Fehler.Text.c_str()));
        EXPECT_EQ(Anzeige(ergebnis, "L" + seite + "Total" + z), Latin(p.Total.Text.c_str()));
    }
    EXPECT_EQ(Anzeige(ergebnis, "LHeimTotal"), Latin(m.Heim.Total.Text.c_str()));
    EXPECT_EQ(Anzeige(ergebnis, "LGastTotal"), Latin(m.Gast.Total.Text.c_str()));
    EXPECT_EQ(Anzeige(ergebnis, "LHeimWurf"), Latin(m.Heim.Wuerfe.Text.c_str()));
    EXPECT_EQ(Anzeige(ergebnis, "LGastWurf"), Latin(m.Gast.Wuerfe.Text.c_str()));
    // The lead shows on the leading side only, right-aligned at home, left-aligned for the guests.
    EXPECT_EQ(Sichtbar(ergebnis, "LHeimPlus"), m.Heim.Plus.Zahl != 0);
    EXPECT_EQ(Sichtbar(ergebnis, "LGastPlus"), m.Gast.Plus.Zahl != 0);
    if (m.Heim.Plus.Zahl) {
        EXPECT_EQ(Anzeige(ergebnis, "LHeimPlus"), QString::number(m.Heim.Plus.Zahl).rightJustified(4));
    }
    if (m.Gast.Plus.Zahl) {
        EXPECT_EQ(Anzeige(ergebnis, "LGastPlus"), QString::number(m.Gast.Plus.Zahl).leftJustified(4));
    }
}

// The lane overview's first panel against lane 1.
void UebersichtVergleichen(const TWettkampfDaten& m, const TBahnen& bahnen)
{
    const TBahnDaten& l = BahnDaten[1];
    ASSERT_NE(l.BahnSpieler, nullptr);
    EXPECT_EQ(Anzeige(&bahnen, "PName1Text"), Latin(l.BahnSpieler->Name.c_str()));
    EXPECT_EQ(Anzeige(&bahnen, "LBahn1"), QStringLiteral("Bahn 1"));
    EXPECT_EQ(Anzeige(&bahnen, "LBahn1WurfZ"), Latin(l.TextWurfNr.c_str()));
    EXPECT_EQ(Anzeige(&bahnen, "LBahn1VolleS"), Latin(l.TextVolle.c_str()));
    EXPECT_EQ(Anzeige(&bahnen, "LBahn1AbrS"), Latin(l.TextAbraeumen.c_str()));
    EXPECT_EQ(Anzeige(&bahnen, "LBahn1FehlerS"), Latin(l.TextFehler.c_str()));
    EXPECT_EQ(Anzeige(&bahnen, "LBahn1TotalS"), Latin(l.TextTotal.c_str()));
    EXPECT_EQ(Anzeige(&bahnen, "LBahn1W1"), Latin(l.TextName1[1].Wuerfe1bis10.c_str()));
    EXPECT_EQ(Anzeige(&bahnen, "LBahn1W4"), Latin(l.TextName1[2].Wuerfe1bis10.c_str()));
    const TMannschaftBlock& seite = l.BahnSpieler->IstHeim ? m.Heim : m.Gast;
    EXPECT_EQ(Anzeige(&bahnen, "LBahn1Mannschaft"), l.BahnSpieler->IstHeim ? QStringLiteral("Heim") : QStringLiteral("Gast"));
    EXPECT_EQ(Anzeige(&bahnen, "LBahn1SpielTotal"), Latin(seite.Total.Text.c_str()));
    const QWidget* panel = bahnen.findChild<QWidget*>(QStringLiteral("PBahn1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->height(), l.BahnStatus == 2 ? 580 : 30);
}

// The lane control window on lane 1 against its record.
void SteuerungVergleichen(const TSteuerung& steuerung)
{
    const TBahnDaten& l = BahnDaten[1];
    EXPECT_EQ(steuerung.Bahn(), 1);
    EXPECT_EQ(Anzeige(&steuerung, "PAnzeigeHolz"), QString::number(l.WurfHolz));
    EXPECT_NE(l.StatusWort & 0x200, 0);
    EXPECT_EQ(Anzeige(&steuerung, "PAnzeigeWurf"), Latin(l.TextWurfNr.c_str()));
    EXPECT_EQ(Anzeige(&steuerung, "PAnzeigeTotal"), Latin(l.TextTotal.c_str()));
    EXPECT_EQ(Anzeige(&steuerung, "PAnzeigeGesamt"), Latin(l.TextGesamt.c_str()));
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(Sichtbar(&steuerung, QStringLiteral("LedKegel%1").arg(k)), (l.WurfBild >> (k - 1)) & 1) << "pin " << k;
}

// Game (a) with the operator's live windows, each refreshed by the engine as
// the throws come in: the result window while it is the active one, the
// lane control window on lane 1 throughout, the lane overview while it is
// shown over the result window. After a few throws of the first round and
// when lane 1 has ended its part, what they show is what the records hold.
TEST_F(VirtualBusMatch, TheLiveWindowsShowTheRecords)
{
    Fensterhub hub;
    FensterDiensteEinsetzen fensterdienste(&hub);
    MatchFensterRegistrieren(hub);
    Bahnfensterdienste lanes(nullptr, [](int) {});
    BahnfensterDiensteEinsetzen bahnfensterdienste(&lanes);
    TWettkampfDaten& m = wettkampf(SpielA);
    const TBahnen& bahnen = *lanes.bahnen();
    const TSteuerung& steuerung = *lanes.steuerung();

    int stufe = 0;
    pruefen = [&] {
        const TBahnDaten& l = BahnDaten[1];
        if (stufe == 0 && m.Spielphase == PhaseSpiel) {
            // Shown once the lanes play, the control window asks lane 1 for its state.
            lanes.bahnsteuerungZeigen(1);
            ++stufe;
        } else if (stufe == 1 && l.BahnStatus == 2 && l.WurfNr >= 5) {
            SCOPED_TRACE("after five throws");
            EXPECT_EQ(AktivesFenster, FensterErgebnis);
            ErgebnisVergleichen(m, hub.mdiFenster(MdiFenster::Ergebnis));
            SteuerungVergleichen(steuerung);
            ErsteAnzeigebahn = 1;
            lanes.bahnuebersichtZeigen();
            EXPECT_EQ(AktivesFenster, FensterBahnuebersicht);
            UebersichtVergleichen(m, bahnen);
            ++stufe;
        } else if (stufe == 2 && l.BahnStatus == 1) {
            SCOPED_TRACE("after the lane end");
            UebersichtVergleichen(m, bahnen);
            SteuerungVergleichen(steuerung);
            // The overview goes; the result window comes back rebuilt.
            lanes.bahnuebersichtVerbergen();
            EXPECT_EQ(AktivesFenster, FensterErgebnis);
            ErgebnisVergleichen(m, hub.mdiFenster(MdiFenster::Ergebnis));
            ++stufe;
        }
    };
    durchspielen(m, SpielA, [&] {
        SpielStarten(m);
        ErgebnistafelOeffnen();
    });
    EXPECT_EQ(stufe, 3);
}

// What a recount of a block's final throw words gives: Volle, Abräumen, misses.
struct Nachzaehlung {
    int volle = 0, abr = 0, fehler = 0;
};

Nachzaehlung Nachzaehlen(TDurchgangBlock& b, int volle, int wuerfe)
{
    Nachzaehlung n;
    for (int t = 1; t <= wuerfe; ++t) {
        WurfAuswerten(b, t);
        // A miss and a foul that felled pins count nothing.
        if (!b.FehlWurf[t] && !b.NullWurf[t]) (t <= volle ? n.volle : n.abr) += b.Holz[t];
        n.fehler += b.FehlWurf[t];
    }
    return n;
}

// Game (a) with throws corrected through the correction panel's commands
// while it runs: on lane 1 a Volle throw of the first part, on the PC and
// the lane; on lane 3 an Abräumen throw of the second round, on the PC only.
// At the end every block, player and side agrees with a recount of the
// final throw words, and the points with a recount from those results; the
// lane corrected with the PC counts what the PC booked, the other lane what
// was thrown.
TEST_F(VirtualBusMatch, CorrectionsWhileTheMatchRunsKeepEveryCountTrue)
{
    TWettkampfDaten& m = wettkampf(SpielA);
    struct Korrektur {
        int bahn, wurf;     // the throw of the part
        Ausbesserung art;
        int block = 0;      // of the player on the lane
        TSpielerEintrag* spieler = nullptr;
        int vorher = 0, nachher = 0;  // the throw's count
        int totalVorher = 0;          // the block's, before the correction
        bool erledigt = false;
    };
    Korrektur korrekturen[] = {{1, 4, Ausbesserung::PCBahn}, {3, Volle + 3, Ausbesserung::PC}};
    pruefen = [&] {
        for (Korrektur& k : korrekturen) {
            TBahnDaten& l = BahnDaten[k.bahn];
            const bool runde = k.bahn == 1 ? m.Durchgang == 1 : m.Durchgang == 2;
            if (k.erledigt || !runde || m.Spielphase != PhaseSpiel || l.BahnStatus != 2 || l.WurfNr != k.wurf + 1)
                continue;
            const bool abr = k.wurf > Volle;
            QByteArray marken(abr ? l.WurfHolzAbraeumen.c_str() : l.WurfHolzVolle.c_str());
            const int i = abr ? k.wurf - Volle - 1 : k.wurf - 1;
            ASSERT_GT(marken.size(), i);
            const char alt = marken[i];
            // A count becomes a miss, anything else five pins.
            const char neu = alt >= '1' && alt <= '9' ? '0' : '5';
            QByteArray eingabe(i + 1, ' ');
            eingabe[i] = neu;
            k.spieler = l.BahnSpieler;
            k.block = l.BahnSpieler->DurchgangNr;
            TDurchgangBlock& b = *l.BahnSpieler->AktDurchgang;
            WurfAuswerten(b, k.wurf);
            k.vorher = b.Holz[k.wurf];
            k.totalVorher = b.Total.Zahl;
            KorrekturRahmenSenden(abr ? Ausbessern(k.bahn, "", eingabe, k.art) : Ausbessern(k.bahn, eingabe, "", k.art));
            k.nachher = neu - '0';
            k.erledigt = true;
            // Counted at once on the PC.
            EXPECT_EQ(b.Total.Zahl, k.totalVorher + k.nachher - k.vorher) << "lane " << k.bahn;
        }
    };
    bisZumEnde(m, SpielA, [&] { SpielStarten(m); });
    for (const Korrektur& k : korrekturen) {
        SCOPED_TRACE("lane " + std::to_string(k.bahn));
        ASSERT_TRUE(k.erledigt);
        const TDurchgangBlock& b = k.spieler->Durchgang[k.block];
        EXPECT_EQ(WurfKegelzahl(b.Wurfbild[k.wurf]), k.nachher);
        EXPECT_NE(b.Wurfart[k.wurf] & WurfartKorrektur, 0);
        // The lane's own tally: corrected with the PC, or as thrown when only the PC corrected.
        const Teil& t = sim.teile(k.bahn).at(k.bahn == 1 ? 0 : 1);  // the round corrected
        ASSERT_EQ(t.wuerfe.size(), std::size_t(Volle + Abraeumen));
        if (k.art == Ausbesserung::PCBahn) {
            EXPECT_EQ(t.wuerfe[std::size_t(k.wurf - 1)].holz, k.nachher);
            EXPECT_EQ(Abweichung(b, t.zaehlung()), "");
        } else {
            EXPECT_EQ(t.wuerfe[std::size_t(k.wurf - 1)].holz, k.vorher);
            EXPECT_EQ(t.zaehlung().gesamt(), b.Total.Zahl - k.nachher + k.vorher);
        }
    }

    // Every block, player and side against the recount.
    const int wuerfe = Volle + Abraeumen;
    Nachzaehlung heim, gast;
    for (int n = 1; n <= MaxSpieler; ++n) {
        TSpielerEintrag& p = m.Spieler[n];
        if (!p.Gestartet) continue;
        SCOPED_TRACE("player " + std::to_string(n));
        Nachzaehlung summe;
        for (int d = 1; d <= MaxDurchgaenge; ++d) {
            TDurchgangBlock& b = p.Durchgang[d];
            if (!b.Bahn) continue;
            const Nachzaehlung z = Nachzaehlen(b, Volle, wuerfe);
            EXPECT_EQ(b.Volle.Zahl, z.volle) << "block " << d;
            EXPECT_EQ(b.Abr.Zahl, z.abr) << "block " << d;
            EXPECT_EQ(b.Fehler.Zahl, z.fehler) << "block " << d;
            EXPECT_EQ(b.Total.Zahl, z.volle + z.abr) << "block " << d;
            summe.volle += z.volle, summe.abr += z.abr, summe.fehler += z.fehler;
        }
        EXPECT_EQ(p.Volle.Zahl, summe.volle);
        EXPECT_EQ(p.Abr.Zahl, summe.abr);
        EXPECT_EQ(p.Fehler.Zahl, summe.fehler);
        EXPECT_EQ(p.Total.Zahl, summe.volle + summe.abr);
        Nachzaehlung& seite = p.IstHeim ? heim : gast;
        seite.volle += summe.volle, seite.abr += summe.abr, seite.fehler += summe.fehler;
    }
    for (const auto& [name, block, z] : {std::tuple{"home", &m.Heim, heim}, std::tuple{"guest", &m.Gast, gast}}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(block->Volle.Zahl, z.volle);
        EXPECT_EQ(block->Abr.Zahl, z.abr);
        EXPECT_EQ(block->Fehler.Zahl, z.fehler);
        EXPECT_EQ(block->Total.Zahl, z.volle + z.abr);
    }
    EXPECT_EQ(m.Heim.Plus.Zahl, std::max(0, (heim.volle + heim.abr) - (gast.volle + gast.abr)));
    EXPECT_EQ(m.Gast.Plus.Zahl, std::max(0, (gast.volle + gast.abr) - (heim.volle + heim.abr)));

    // The points as the match kept them live against a recount from the results.
    std::vector<float> live;
    auto punkte = [&] {
        std::vector<float> v;
        for (int n = 1; n <= MaxSpieler; ++n) {
            for (int d = 1; d <= MaxDurchgaenge; ++d) v.push_back(m.Spieler[n].Durchgang[d].SaP);
            v.push_back(m.Spieler[n].SaP);
            v.push_back(m.Spieler[n].MaP);
        }
        for (const TMannschaftBlock* s : {&m.Heim, &m.Gast}) v.insert(v.end(), {s->SaP, s->MaP, s->TotalMaP});
        return v;
    };
    live = punkte();
    SatzpunkteBerechnen(m);
    EXPECT_EQ(punkte(), live);
}

// The bus goes away under the lanes: the bridge's ticks stop and it says so
// once; the program's adapter is cut off as well.
TEST_F(VirtualBusMatch, LanesStopWhenTheBusGoesAway)
{
    int getrennt = 0;
    QEventLoop schleife;
    QObject::connect(&bruecke, &VirtualCanBruecke::getrennt, &schleife, [&] {
        ++getrennt;
        schleife.quit();
    });
    QTimer::singleShot(Notbremse, &schleife, &QEventLoop::quit);
    bruecke.setTaktMs(1);
    bus.beenden();
    schleife.exec();
    EXPECT_EQ(getrennt, 1);
    EXPECT_FALSE(bruecke.istOffen());
    EXPECT_FALSE(adapter.istOffen());
    bruecke.takt();
    EXPECT_EQ(getrennt, 1);
}

}  // namespace

// Game (a) with corrections typed into the real correction panel while the
// lanes play on. On lane 1 the operator overwrites throw 2 of the first
// part; the lane throws three more before he confirms "PC + Bahn": throw 2
// gets his value on the PC and on the lane, the throws after it stay as
// thrown. On lane 3 he begins an edit a throw or so before the part's end and
// confirms only once the lane plays its next part: the panel says so and
// books nothing. At the end every part of every lane counts what the lane
// itself counted.
TEST_F(VirtualBusMatch, CorrectionsTypedWhileTheLanePlaysOnBookWhereTheOperatorMeantThem)
{
    Bahnfensterdienste lanes(nullptr, [](int) {});
    BahnfensterDiensteEinsetzen bahnfensterdienste(&lanes);
    TWettkampfDaten& m = wettkampf(SpielA);
    const auto tippen = [](QLineEdit* e, int stelle) {
        e->setFocus();
        e->setCursorPosition(stelle);
        const QChar alt = e->text().at(stelle);
        const QChar neu = alt == u'5' ? u'6' : u'5';
        QKeyEvent taste(QEvent::KeyPress, Qt::Key_5 + (neu.unicode() - u'5'), Qt::NoModifier, QString(neu));
        QApplication::sendEvent(e, &taste);
        return neu.unicode() - u'0';
    };
    std::unique_ptr<TKorrektur> panel;
    int stufe = 0, neu = 0;
    TDurchgangBlock* block = nullptr;
    pruefen = [&] {
        const TBahnDaten& l1 = BahnDaten[1];
        const TBahnDaten& l3 = BahnDaten[3];
        const bool runde1 = m.Durchgang == 1 && m.Spielphase == PhaseSpiel;
        // The frames come over the virtual bus: on a loaded machine a tick
        // may bring two throws, so each step waits for a span of throws.
        if (stufe == 0 && runde1 && l1.BahnStatus == 2 && !l1.ProbeLaeuft && l1.WurfNr >= 4 && l1.WurfNr <= 5) {
            panel = std::make_unique<TKorrektur>(nullptr, 1);
            panel->show();
            block = l1.BahnSpieler->AktDurchgang;
            neu = tippen(panel->EVolle, 1);
            ++stufe;
        } else if (stufe == 1 && l1.WurfNr >= 7) {
            EXPECT_EQ(panel->EVolle->text().at(1), QChar(u'0' + neu));
            panel->BtnAusbessernPCBahn->click();
            EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join(u'|').toStdString();
            EXPECT_EQ(WurfKegelzahl(block->Wurfbild[2]), neu);
            panel.reset();
            ++stufe;
        } else if (stufe == 2 && runde1 && l3.BahnStatus == 2 && l3.WurfNr >= Volle + Abraeumen - 3 &&
                   l3.WurfNr < Volle + Abraeumen) {
            panel = std::make_unique<TKorrektur>(nullptr, 3);
            panel->show();
            tippen(panel->EVolle, 0);
            ++stufe;
        } else if (stufe == 3 && m.Durchgang == 2 && l3.BahnStatus == 2 && l3.WurfNr >= 1) {
            panel->BtnAusbessernPCBahn->click();
            EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Bahn 3 hat den Durchgang gewechselt !")});
            skriptBoxen().gezeigt.clear();
            panel.reset();
            ++stufe;
        }
    };
    bisZumEnde(m, SpielA, [&] { SpielStarten(m); });
    EXPECT_EQ(stufe, 4);
    const Startplan& plan = SpielA.plan;
    for (std::size_t r = 0; r < plan.size(); ++r)
        for (int bahn = 1; bahn <= 4; ++bahn) {
            const int nr = plan[r][std::size_t(bahn - 1)];
            const TDurchgangBlock& b = m.Spieler[nr].Durchgang[BlockNr(plan, nr, r)];
            const Teil& t = sim.teile(bahn).at(r);
            EXPECT_EQ(Abweichung(b, t.zaehlung()), "") << "round " << r + 1 << ", lane " << bahn;
        }
    const Teil& korrigiert = sim.teile(1).at(0);
    EXPECT_EQ(korrigiert.wuerfe.at(1).holz, neu);
    for (std::size_t i = 2; i < 7; ++i) EXPECT_FALSE(korrigiert.wuerfe.at(i).vomPc) << i;
}

// What a central sheet shows in a lane's column: the character printed for
// each throw number, and the part's result.
struct Blattspalte {
    std::map<int, char> wuerfe;
    std::string ergebnis;
};

Blattspalte SpalteLesen(const Papier& papier, int blatt, int spalte)
{
    Blattspalte s;
    for (int y : papier.zeilen(blatt)) {
        const std::string z = (papier.zeile(blatt, y) + QByteArray(200, ' ')).mid(spalte, 14).toStdString();
        if (z.rfind("Ergebnis:  ", 0) == 0) s.ergebnis = z.substr(11, 3);
        bool zahl = false;
        const int t = QByteArray::fromStdString(z.substr(0, 2)).trimmed().toInt(&zahl);
        if (zahl && z[2] == ' ' && z[4] == ' ') s.wuerfe[t] = z[3];
    }
    return s;
}

// Game (a) with throw sheets on a central printer whose port LPT1 is a plain
// file, as the settings name it: the lanes switch their printers on when the
// program asks, and once the match has ended each round's sheet shows, in
// each lane's column, every throw with the pins the lane reported (a miss as
// "X") and the part's result as the lane counted it. The lane printers got
// nothing over the bus: the sheets went to the central printer.
TEST_F(VirtualBusMatch, CentralThrowSheetsShowEveryThrowOfTheMatch)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString datei = ordner.filePath(QStringLiteral("drucker1.prn"));
    Einst.DrWurfblatt = Einst.DrEinschalten = true;
    Einst.DruckerGeraetLpt[1] = datei;
    TZentralDrucker& d = Einst.Drucker[1];
    d.Schnittstelle = 1;
    d.DrBahnVon = 1, d.DrBahnBis = 4;
    d.DrTimer = 1;
    d.StartFeed = 60, d.EndFeed = 90, d.FormFeed = true;
    LinuxDruckerport port;
    DruckerportEinsetzen portEinsetzen(port);
    DruckerStarten();
    ASSERT_EQ(DruckerportBereit[1], 1);
    Wurfblattdruck druck;
    DruckDiensteEinsetzen druckEinsetzen(&druck);
    DruckerSendenEinsetzen senden(&DruckausgabeSenden);

    TWettkampfDaten& m = wettkampf(SpielA);
    m.DrWurfblatt = m.DrZentral = m.DrKopf = 1;
    m.DrEinzelbahn = 0;
    durchspielen(m, SpielA, [&] { SpielStarten(m); });
    ASSERT_TRUE(laufen([] { return PcDruckAusstehend == 0; }, GrenzeAbmeldung));
    port.InoutClear();

    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    Papier papier;
    papier.drucken(f.readAll());
    EXPECT_TRUE(papier.fehler().isEmpty()) << papier.fehler().join(u'|').toStdString();
    const int runden = int(SpielA.plan.size());
    EXPECT_EQ(papier.blatt(), runden + 1);  // a sheet a round, each ended by its form feed
    for (int r = 0; r < runden; ++r) {
        for (int bahn = 1; bahn <= 4; ++bahn) {
            SCOPED_TRACE("round " + std::to_string(r + 1) + ", lane " + std::to_string(bahn));
            const Blattspalte s = SpalteLesen(papier, r + 1, 4 + 24 * (bahn - 1));
            const Teil& teil = sim.teile(bahn).at(std::size_t(r));
            std::map<int, char> soll;
            for (const GemeldeterWurf& w : teil.wuerfe) soll[w.nr] = w.fehler ? 'X' : char('0' + w.holz);
            EXPECT_EQ(s.wuerfe, soll) << papier.alsText(r + 1).toStdString();
            EXPECT_EQ(s.ergebnis, QString::number(teil.zaehlung().gesamt()).rightJustified(3).toStdString());
        }
    }
    for (int bahn = 1; bahn <= 4; ++bahn) EXPECT_EQ(sim.druckerRahmen(bahn), 0) << bahn;
}
