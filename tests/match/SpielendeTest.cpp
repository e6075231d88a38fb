#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Spielende.h"
#include "match/flow/Startprompts.h"
#include "match/flow/TimerModul.h"
#include "match/engine/Wertung.h"
#include "match/flow/Zeitgeberliste.h"
#include "support/Grundlage.h"
#include "support/Teilstart.h"
#include "support/Sendepuffer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Rahmen = QList<int>;

// Four lanes; round 1: lanes 1..4 = 1, 9, 2, 10; round 2: lanes 1, 2 = 3, 11,
// lanes 3 and 4 idle.
class Spielende : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        CanAktiv = 1;
        Einst.Bahnsteuerung = 1;
        plan = TStartplan{};
        const u8 runde1[] = {1, 9, 2, 10};
        for (int b = 1; b <= 4; ++b) plan[b][1] = runde1[b - 1];
        plan[1][2] = 3;
        plan[2][2] = 11;
        TWettkampfDaten& m = Wettkaempfe[1];
        WettkampfBelegt[1] = 1;
        WettkampfAnzahl = AktWettkampfNr = 1;
        AktWettkampf = &m;
        m.ErsteSpielbahn = 1;
        m.LetzteSpielbahn = 4;
        m.StartplanZeiger = &plan;
        m.Volle = m.Abraeumen = m.Durchgaenge = m.Durchgang = m.Gestartet = 1;
        m.Spieleranzahl = 4;
        m.Spielphase = PhaseSpiel;
        for (int b = 1; b <= 4; ++b) {
            const int nr = plan[b][1];
            m.Bahnbelegung[b] = u8(nr);
            TeilLaeuft(m, b, nr);
        }
    }

    TWettkampfDaten& m() { return Wettkaempfe[1]; }
    void teilBeenden(std::initializer_list<int> bahnen)
    {
        for (int b : bahnen) BahnDaten[b].TeilLaeuft = 0;
        BahnendePruefen();
    }
    QList<Rahmen> gesendet(int bahn) const
    {
        return GesendeteRahmen<QList<Rahmen>>(bahn);
    }

    TStartplan plan;
};

}  // namespace

TEST_F(Spielende, ThePlanIsReadOnlyWithinItsRoundsAndPlayers)
{
    plan[1][3] = 17;
    const int faelle[][3] = {{2, 1, 9}, {3, 2, 0}, {1, 26, 0}, {1, 0, 0}, {7, 1, 0}, {1, 3, 0}};  // lane, round, player
    for (const auto& f : faelle) EXPECT_EQ(PlanSpieler(m(), f[0], f[1]), f[2]) << f[0] << ", " << f[1];
    m().StartplanZeiger = nullptr;
    EXPECT_EQ(PlanSpieler(m(), 1, 1), 0);
}

TEST_F(Spielende, TheNextRoundRegistersItsLanesAndLetsIdleLanesGo)
{
    Einst.TimeoutBahnw = 5;
    teilBeenden({1, 2, 3, 4});
    EXPECT_EQ(AnmeldeMaske, 0b0011);
    EXPECT_EQ(StartMaske, 0b0011);
    EXPECT_EQ(Startzaehler[1], 5);
    EXPECT_EQ(gesendet(1), (QList<Rahmen>{{36, 0}, {38}}));
    for (int b : {3, 4}) {
        EXPECT_EQ(m().BahnImSpiel[b] + BahnDaten[b].BahnStatus, 0);
        EXPECT_EQ(gesendet(b), (QList<Rahmen>{{34, 'm'}}));
    }
    EXPECT_TRUE(TimerBahnEnde().enabled());

    // The idle lanes are signed off five ticks later.
    for (int t = 1; t <= 4; ++t) TimerBahnEndeGo();
    EXPECT_EQ(BahnDaten[3].BahnOnline, 1);
    TimerBahnEndeGo();
    EXPECT_EQ(BahnDaten[4].BahnOnline, 0);
    EXPECT_EQ(gesendet(3).mid(1), (QList<Rahmen>{{34, 'Y'}, {4}, {39}}));
    TimerBahnEndeGo();
    EXPECT_FALSE(TimerBahnEnde().enabled());
}

TEST_F(Spielende, ALaneRegisteredAgainIsNotSignedOffInTheMiddle)
{
    Einst.TimeoutBahnw = 3;
    teilBeenden({1, 2, 3, 4});
    ASSERT_EQ(BahnDaten[3].BahnendeZaehler, 1);
    TimerBahnEndeGo();
    BahnAnmelden(3);  // the lane is taken into play again before its sign-off
    BahnDaten[3].BahnOnline = 1;
    for (int t = 0; t < 5; ++t) TimerBahnEndeGo();
    EXPECT_EQ(BahnDaten[3].BahnOnline, 1);
}

TEST_F(Spielende, BusyLanesStopTheMatchAndTheRoundChangesOnceOnContinue)
{
    // Lane 1, needed in round 2, reports a foreign match (3) or runs a part of one (2).
    for (u8 status : {3, 2}) {
        SCOPED_TRACE(int(status));
        SetUp();
        teilBeenden({1, 3, 4});
        BahnDaten[2].TeilLaeuft = 0;
        BahnDaten[2].BahnStatus = 2;
        m().BahnImSpiel[2] = 1;
        // Lane 2 ends too, but another match has taken lane 1 meanwhile.
        BahnDaten[1].BahnStatus = status;
        BahnendePruefen();
        EXPECT_EQ(m().Gestoppt, 1);
        EXPECT_EQ(m().Durchgang, 1);
        EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Bahnen sind noch belegt !")});
        EXPECT_EQ(AnmeldeMaske, 0);

        BahnDaten[1].BahnStatus = 1;  // free again
        SpielStarten(m());
        EXPECT_EQ(m().Gestoppt, 0);
        EXPECT_EQ(m().Durchgang, 2);
        EXPECT_EQ(AnmeldeMaske, 0b0011);
        SpielStarten(m());  // continuing again while the next round registers
        BahnendePruefen();
        EXPECT_EQ(m().Durchgang, 2);
        EXPECT_EQ(BahnDaten[1].BahnGestartet, 0);
    }
}

// With manual lane changes the end of the plan waits for the operator's go-ahead.
TEST_F(Spielende, WithManualLaneChangesTheEndWaitsForTheGoAhead)
{
    plan[1][2] = plan[2][2] = 0;
    Einst.TimeoutBahnw = 2;
    m().ManuellerBahnwechsel = 1;
    teilBeenden({1, 2, 3, 4});
    EXPECT_EQ(m().KeinNaechsterDurchgang, 1);
    EXPECT_EQ(m().WechselAnstehend, 1);
    EXPECT_EQ(m().EndeAngefordert, 0);
    WechselFreigeben(m());
    EXPECT_EQ(m().WechselAnstehend, 0);
    EXPECT_EQ(m().EndeAngefordert, 1);
    TimerSpielEndeGo();
    TimerSpielEndeGo();
    EXPECT_EQ(m().Beendet, 1);
}

TEST_F(Spielende, TheGameEndFreesEveryLane)
{
    BahnDaten[4].BahnOnline = 0;
    m().Geaendert = 0;
    SpielBeenden(m());
    EXPECT_EQ(m().Spielphase, PhaseBeendet);
    EXPECT_EQ(m().Geaendert, 1);  // unsaved results: closing asks
    for (int b = 1; b <= 4; ++b) {
        EXPECT_EQ(BahnDaten[b].Wettk, nullptr);
        EXPECT_EQ(m().BahnImSpiel[b], 0);
    }
    EXPECT_EQ(gesendet(1), (QList<Rahmen>{{34, 'm'}, {34, 'Y'}, {39}, {4}}));
    EXPECT_EQ(gesendet(4), (QList<Rahmen>{{34, 'm'}}));  // offline: nothing more
}

// A game ending after a sudden victory gets the points of any ended game;
// the sudden-victory sums of its last round stay.
TEST_F(Spielende, TheGameEndAfterASuddenVictoryTakesThePointsOfTheStruckSides)
{
    TWettkampfDaten& w = m();
    w.Punktespiel = w.Streichspiel = 1;
    w.Spieleranzahl = 6;
    w.SVictoryLaeuft = w.SVictoryRunde = 1;
    // Home 1..6 100 pins each, 7 and 8 nothing; guests 9..14 90 each, 15 and 16 50.
    for (int nr = 1; nr <= 16; ++nr) {
        TSpielerEintrag& p = w.Spieler[nr];
        p.Wertung = 1;
        p.Total.Zahl = u16(nr <= 6 ? 100 : nr <= 8 ? 0 : nr <= 14 ? 90 : 50);
        p.Durchgang[1].SaP = 0;  // every round block lost on both sides
    }
    w.Heim.Total.Zahl = 600;
    w.Gast.Total.Zahl = 640;  // 540 + 50 + 50 before the strike
    w.Heim.ErgebnisMaP = 0;
    w.Gast.ErgebnisMaP = 2;
    const u8 sv[][2] = {{1, 2}, {9, 0}, {2, 1}, {10, 1}};  // player, set points x 2 on lanes 1..4
    for (int zeile = 1; zeile <= 4; ++zeile) {
        w.SVictoryTabelle[zeile][1].SpielerNr = sv[zeile - 1][0];
        w.SVictoryTabelle[zeile][1].SaP = sv[zeile - 1][1] / 2.0f;
    }
    w.SVictoryHeimSaP = 1.5f;
    w.SVictoryGastSaP = 0.5f;

    SpielBeenden(w);
    // 15 and 16 struck: 540 : 600, result points 2 : 0 home. Each block 0.5 :
    // 0.5, so each duel goes by pins, 100 : 90 home: 6 : 0, total 8 : 0.
    EXPECT_EQ(w.SVictoryLaeuft, 0);
    EXPECT_EQ(w.Gast.Total.Zahl, 540);
    EXPECT_EQ(w.Spieler[15].Wertung + w.Spieler[16].Wertung, 0);
    EXPECT_FLOAT_EQ(w.Spieler[1].Durchgang[1].SaP, 0.5f);
    EXPECT_FLOAT_EQ(w.Spieler[9].Durchgang[1].SaP, 0.5f);
    EXPECT_EQ((std::vector<float>{w.Heim.SaP, w.Gast.SaP, w.Heim.MaP, w.Gast.MaP, w.Heim.ErgebnisMaP,
                                  w.Gast.ErgebnisMaP, w.Heim.TotalMaP, w.Gast.TotalMaP}),
              (std::vector<float>{3, 3, 6, 0, 2, 0, 8, 0}));
    EXPECT_FLOAT_EQ(w.SVictoryHeimSaP, 1.5f);
    EXPECT_FLOAT_EQ(w.SVictoryGastSaP, 0.5f);
}

TEST_F(Spielende, SuddenVictoryRoundsAndTheirLimit)
{
    m().Punktespiel = m().SVictory1Spiel = 1;
    m().SVictoryWuerfe = 3;
    m().Bahnbelegung[3] = m().Bahnbelegung[4] = 0;  // a lane pair without players is not registered
    skriptBoxen().antworten = {ErgebnisJa};
    SuddenVictoryFragen(1);
    EXPECT_EQ(m().SVictoryRunde, 1);
    EXPECT_EQ(AnmeldeMaske, 0b0011);

    // The table holds ten rounds: a level tenth round ends the game.
    m().SVictoryRunde = 10;
    skriptBoxen().antworten = {ErgebnisJa};
    SuddenVictoryFragen(1);
    EXPECT_EQ(m().SVictoryRunde, 10);
    EXPECT_EQ(m().EndeAngefordert, 1);
}

TEST_F(Spielende, ThrowsBeyondTheSuddenVictoryRoundAreDropped)
{
    m().SVictoryLaeuft = m().SVictoryRunde = 1;
    m().SVictoryWuerfe = 3;
    m().Volle = 15;
    TBahnDaten& l = BahnDaten[1];
    l.WurfNr = 3;
    l.WurfOffen = 1;
    l.WurfHolz = 9;
    l.WurfBild = 0x41FF;
    BahnendePruefen();
    EXPECT_EQ(l.WurfNr, 3);
    EXPECT_EQ(l.WurfOffen, 0);
    EXPECT_EQ(m().SVictoryTabelle[1][1].Holz.Zahl, 0);
}

// The lane start timer on its own, without the running match.
using TimerModul = Grundlage;

// Lane 2, given up at its registration, is neither prepared nor started and
// sits round 1 out. The match begins without it: with lane 1 once lane 1
// reports no foreign match, or, lane 1 given up in its preparation as well,
// with nobody, and the round is over at once.
// Without a bus no lane answers: a lane the operator gives up is still
// prepared and started, offline, to be scored by hand.
TEST_F(TimerModul, WithoutABusAGivenUpLaneIsStartedOffline)
{
    CanAktiv = 0;
    TWettkampfDaten& m = Wettkaempfe[1];
    m.ErsteSpielbahn = m.LetzteSpielbahn = 1;
    m.Durchgang = 1;
    m.Bahnbelegung[1] = 1;
    BahnDaten[1].Wettk = &m;
    BahnAnmelden(1);
    BahnVormerken(1);
    for (int t = 1; t <= 40 && Timer9().enabled(); ++t) Timer9Go();
    EXPECT_EQ(skriptPrompts().tags, QList<int>{1});
    EXPECT_EQ(m.Gestartet, 1);
    EXPECT_EQ(BahnDaten[1].BahnGestartet, 1);
    EXPECT_EQ(m.EndeAngefordert, 0);
}

// The status-bar clock ticks on the full minute: the first tick at the
// minute after the program start, each further one at the minute after it,
// however late the tick came, also across midnight.
TEST_F(TimerModul, TheClockTicksOnTheMinute)
{
    QDateTime jetzt(QDate(2026, 3, 20), QTime(7, 35, 51, 250));
    setUhr([&] { return jetzt; });
    struct UhrZurueck {
        ~UhrZurueck() { setUhr({}); }
    } zurueck;
    TimerModulStarten();
    EXPECT_TRUE(Timer1().enabled());
    EXPECT_EQ(Timer1().interval(), 8750);
    const struct {
        QDateTime zeit;
        const char* text;
        int naechster;  // ms
    } ticks[] = {
        {QDateTime(QDate(2026, 3, 20), QTime(7, 36, 0, 0)), "20.03.26   07:36", 60000},
        {QDateTime(QDate(2026, 3, 20), QTime(7, 37, 0, 400)), "20.03.26   07:37", 59600},
        {QDateTime(QDate(2026, 3, 20), QTime(7, 38, 2, 10)), "20.03.26   07:38", 57990},
        {QDateTime(QDate(2026, 3, 20), QTime(23, 59, 59, 990)), "20.03.26   23:59", 10},
        {QDateTime(QDate(2026, 3, 21), QTime(0, 0, 0, 5)), "21.03.26   00:00", 59995},
    };
    for (const auto& t : ticks) {
        SCOPED_TRACE(t.text);
        jetzt = t.zeit;
        Timer1().tick();
        ASSERT_GE(fenster.status.size(), 4);
        EXPECT_EQ(fenster.status[3], QString::fromLatin1(t.text));
        EXPECT_EQ(Timer1().interval(), t.naechster);
        EXPECT_TRUE(Timer1().enabled());
    }
}

TEST_F(TimerModul, AnOfflineLaneHoldsTheOthersUntilTheOperatorGivesItUp)
{
    for (const bool ersteAufgegeben : {false, true}) {
        SCOPED_TRACE(ersteAufgegeben ? "lane 1 given up too" : "lane 1 free");
        ZustandZuruecksetzen();
        CanAktiv = 1;
        TWettkampfDaten& m = Wettkaempfe[1];
        m.ErsteSpielbahn = 1;
        m.LetzteSpielbahn = 2;
        m.Durchgang = 1;
        m.Bahnbelegung[1] = 1;
        m.Bahnbelegung[2] = 9;
        for (int b : {1, 2}) {
            BahnDaten[b].Wettk = &m;
            BahnAnmelden(b);
            BahnVormerken(b);
        }
        BahnDaten[1].BahnOnline = 1;  // lane 1 answered, lane 2 does not
        Timer9Go();
        EXPECT_EQ(AnmeldeMaske, 0b10);
        EXPECT_EQ(BahnDaten[1].BahnStatus, 3);
        EXPECT_TRUE(skriptPrompts().startSichtbar);
        for (int t = 2; t <= 22; ++t) Timer9Go();
        EXPECT_TRUE(skriptPrompts().tags.isEmpty());
        EXPECT_EQ(VorbereitungsMaske, 0b11);  // nobody is prepared while lane 2 is waited for
        Timer9Go();  // the 23rd tick: "Bahn 2 ist nicht bereit !"
        EXPECT_EQ(skriptPrompts().tags, QList<int>{2});
        EXPECT_EQ(PruefenText(2), QStringLiteral("Bahn 2 ist nicht bereit !"));
        EXPECT_EQ(AnmeldeMaske, 0);  // "Abbrechen" gave the lane up
        EXPECT_EQ(BahnDaten[2].BahnOnline, 0);
        EXPECT_EQ(VorbereitungsMaske, 0b01);
        EXPECT_TRUE(Timer9().enabled());

        if (!ersteAufgegeben) BahnDaten[1].BahnStatus = 0;  // lane 1 reports no match
        for (int t = 1; t <= 5 && Timer9().enabled(); ++t) Timer9Go();
        EXPECT_EQ(skriptPrompts().tags, ersteAufgegeben ? (QList<int>{2, 1}) : QList<int>{2});
        EXPECT_EQ(AnmeldeMaske | VorbereitungsMaske | StartMaske, 0);
        EXPECT_EQ(m.Gestartet, 1);
        EXPECT_EQ((QList<int>{BahnDaten[1].BahnGestartet, BahnDaten[2].BahnGestartet}),
                  (QList<int>{!ersteAufgegeben, 0}));
        EXPECT_EQ(m.EndeAngefordert, ersteAufgegeben ? 1 : 0);  // the plan has no second round
        EXPECT_EQ(FehlendeTeileText(m), ersteAufgegeben ? QStringLiteral("Nicht gespielt oder ohne gewertete Würfe: "
                                                                         "Durchgang 1 auf Bahn 1, Durchgang 1 auf Bahn 2 !")
                                                        : QString());
    }
}
