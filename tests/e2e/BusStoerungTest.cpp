// Whole matches while the CAN adapter is opened again or lost for a while:
// what was queued for the lanes still goes out, the lanes start every part,
// and every throw is booked to its part.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "e2e/Spielaufbau.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Startprompts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <numeric>
#include <string>

namespace {

constexpr int Bahnen = 4;
constexpr int Rundenzahl = 4;
// Start-order mode 2, four players a side: the player on lanes 1..4 in rounds 1..4.
const Startplan Plan{{1, 9, 2, 10}, {9, 1, 10, 2}, {11, 3, 12, 4}, {3, 11, 4, 12}};

// Steps of 50 ms in 5 s.
constexpr long FuenfSekunden = 100;

// What OK of the options dialog does with the bus: the adapter opened
// again, every lane told the station.
void OptionenOk()
{
    CanKarteOeffnen();
    if (!CanAktiv) return;
    for (int bahn = 1; bahn <= BahnAnzahl; ++bahn) CanNachrichtSenden(bahn, CanRahmen::Konfiguration(Einst.PcEinheit));
}

struct Fall {
    int modus;  // Bahnsteuerung
    int probe;
    std::uint32_t seed;
};

void PrintTo(const Fall& f, std::ostream* os)
{
    *os << "Bahnsteuerung " << f.modus << ", Probe " << f.probe << ", seed " << f.seed;
}

std::string Name(const ::testing::TestParamInfo<Fall>& i)
{
    return "Modus" + std::to_string(i.param.modus) + "Seed" + std::to_string(i.param.seed);
}

class Busstoerung : public ::testing::TestWithParam<Fall> {
protected:
    void SetUp() override
    {
        ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 7), QTime(19, 30, 0)));
        ASSERT_TRUE(CanAnschliessen(&anlage.bus));
    }

    void TearDown() override { ProgrammAbbauen(); }

    // Random throws, 3 Volle + 3 Abräumen, two rounds a player on four lanes.
    TWettkampfDaten& wettkampf()
    {
        Spielart a;
        a.bahnsteuerung = GetParam().modus;
        a.probe = GetParam().probe;
        TWettkampfDaten* m = WettkampfAufbauen(a);
        if (!m) throw std::runtime_error("no match");
        return *m;
    }

    // The game over as the plan has it, every throw of the lanes booked to
    // its part, no lane ever reported as not ready.
    void endePruefen(const TWettkampfDaten& m)
    {
        EXPECT_TRUE(anlage.ausklingen());
        EXPECT_EQ(m.Spielphase, PhaseBeendet);
        EXPECT_EQ(m.Durchgang, Rundenzahl + 1);
        for (int bahn = 1; bahn <= Bahnen; ++bahn) {
            EXPECT_EQ(anlage.sim.teile(bahn).size(), std::size_t(Rundenzahl)) << "lane " << bahn;
            EXPECT_EQ(anlage.sim.spielNr(bahn), 0) << "lane " << bahn;
        }
        EXPECT_EQ(BuchungVergleichen(m, anlage.sim, Plan, GetParam().modus != 0), std::vector<std::string>{});
        EXPECT_TRUE(skriptPrompts().tags.isEmpty());
    }

    void aufgebenImAusfall(bool abStart, int r1, int r2);

    Anlage anlage{SimVorgaben(5, 40, 60, GetParam().seed)};
};

// Opened again right after the start, a few ticks later, whenever lanes
// begin to register or to start, at every round change and every 5 s.
TEST_P(Busstoerung, ReopeningTheAdapterMidMatchLosesNothingQueuedForTheLanes)
{
    TWettkampfDaten& m = wettkampf();
    int oeffnungen = 0;
    bool anmeldung = false, start = false;
    int runde = 0;
    anlage.beobachter = [&] {
        bool jetzt = anlage.schritte == 3 || anlage.schritte % FuenfSekunden == 0;
        if (AnmeldeMaske && !anmeldung) jetzt = true;
        if (StartMaske && !start) jetzt = true;
        if (m.Durchgang != runde) jetzt = true;
        anmeldung = AnmeldeMaske != 0;
        start = StartMaske != 0;
        runde = m.Durchgang;
        if (!jetzt || m.Beendet) return;
        OptionenOk();
        ++oeffnungen;
    };
    SpielStarten(m);
    OptionenOk();
    ASSERT_TRUE(anlage.bis([&] { return m.Beendet != 0; }))
        << "Durchgang " << int(m.Durchgang) << " after " << anlage.schritte << " steps";
    anlage.beobachter = nullptr;
    EXPECT_GE(oeffnungen, 8);
    EXPECT_EQ(CanAktiv, 1);
    endePruefen(m);
}

// The adapter pulled right after the start, at the change to round 2 and
// in the middle of a part of round 3, each time for a while; the watch
// timer ticks every 3 s as it would. Each loss lasts longer than a watch
// interval and is noticed, the match waits,
// and once the adapter is back it goes on as if nothing had happened.
TEST_P(Busstoerung, ALostAdapterIsOpenedAgainAndTheMatchGoesOn)
{
    TWettkampfDaten& m = wettkampf();
    const Bahnsimulator& sim = anlage.sim;
    const struct {
        std::function<bool()> wann;
        long dauer;  // steps until it is plugged in again
    } ausfaelle[] = {
        {[] { return true; }, 70},
        {[&] { return m.Durchgang >= 2; }, 150},
        {[&] { return sim.teile(1).size() >= 3 && sim.teile(1).back().wuerfe.size() >= 3; }, 90},
    };
    constexpr long WacheSchritte = CanWacheIntervallMs / 50;
    std::size_t naechster = 0;
    long seit = -1;
    int bemerkt = 0, getrennt = 0;
    long laengsteMeldung = 0;
    anlage.beobachter = [&] {
        const long s = anlage.schritte;
        if (s % WacheSchritte == 0 && CanWacheTimer().enabled()) CanWacheTimer().tick();
        if (CanKarteGetrennt) {
            if (!getrennt) ++bemerkt;
            laengsteMeldung = std::max(laengsteMeldung, long(++getrennt));
            EXPECT_EQ(CanEinstellungen.StatusText, CanKarteGetrenntText);
        } else {
            getrennt = 0;
        }
        if (seit >= 0) {
            if (s - seit < ausfaelle[naechster].dauer) return;
            anlage.bus.oeffnenGelingt = true;
            seit = -1;
            ++naechster;
        } else if (naechster < std::size(ausfaelle) && ausfaelle[naechster].wann()) {
            anlage.bus.trennen();
            anlage.bus.oeffnenGelingt = false;
            seit = s;
        }
    };
    SpielStarten(m);
    ASSERT_TRUE(anlage.bis([&] { return m.Beendet != 0; }))
        << "Durchgang " << int(m.Durchgang) << " after " << anlage.schritte << " steps";
    anlage.beobachter = nullptr;
    EXPECT_EQ(naechster, std::size(ausfaelle));
    EXPECT_EQ(bemerkt, 3);
    // Noticed within a watch interval, open again within one after it is back.
    EXPECT_LE(laengsteMeldung, 150 + 2 * WacheSchritte);
    EXPECT_EQ(CanKarteGetrennt, 0);
    EXPECT_TRUE(anlage.bus.istOffen());
    endePruefen(m);
}

// The lanes' frames held back for 60 s, from before the start or from the
// change to round 2; the operator gives every lane up ("&Abbrechen") at
// "Bahn n ist nicht bereit !". A registration waits 23 s for its prompt, so
// rounds r1 and r2 are given up; the frames cross in the next round's
// registration, which goes on. The match reaches its end, the parts left
// unplayed are named, and what the lanes played is booked to its part.
void Busstoerung::aufgebenImAusfall(bool abStart, int r1, int r2)
{
    constexpr long Sechzig = 1200;  // steps
    TWettkampfDaten& m = wettkampf();
    skriptPrompts().antworten = QList<int>(8, 2);
    anlage.nurVonBahnen = true;
    bool gehalten = abStart;
    if (abStart) anlage.halten = Sechzig;
    anlage.beobachter = [&] {
        if (gehalten || m.Durchgang != 2) return;
        gehalten = true;
        anlage.halten = Sechzig;
    };
    SpielStarten(m);
    ASSERT_TRUE(anlage.bis([&] { return m.Beendet != 0; }, 6000))
        << "Durchgang " << int(m.Durchgang) << " after " << anlage.schritte << " steps";
    anlage.beobachter = nullptr;
    EXPECT_TRUE(anlage.ausklingen());
    EXPECT_EQ(m.Spielphase, PhaseBeendet);
    EXPECT_EQ(skriptPrompts().tags, (QList<int>{1, 2, 3, 4, 1, 2, 3, 4}));
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList{QStringLiteral("Nicht gespielt oder ohne gewertete Würfe: Durchgang %1 auf Bahn 1, "
                                         "Durchgang %1 auf Bahn 2, Durchgang %1 auf Bahn 3, Durchgang %1 auf Bahn 4, "
                                         "Durchgang %2 auf Bahn 1, Durchgang %2 auf Bahn 2, Durchgang %2 auf Bahn 3, "
                                         "Durchgang %2 auf Bahn 4 !")
                              .arg(r1)
                              .arg(r2)});
    Startplan gespielt;
    for (int r = 1; r <= Rundenzahl; ++r)
        if (r != r1 && r != r2) gespielt.push_back(Plan[std::size_t(r - 1)]);
    for (int bahn = 1; bahn <= Bahnen; ++bahn)
        EXPECT_EQ(anlage.sim.teile(bahn).size(), gespielt.size()) << "lane " << bahn;
    EXPECT_EQ(BuchungVergleichen(m, anlage.sim, gespielt, GetParam().modus != 0), std::vector<std::string>{});
}

TEST_P(Busstoerung, LanesGivenUpInAnOutageFromTheStartSitRounds1And2Out) { aufgebenImAusfall(true, 1, 2); }
TEST_P(Busstoerung, LanesGivenUpInAnOutageFromRound2SitRounds2And3Out) { aufgebenImAusfall(false, 2, 3); }

INSTANTIATE_TEST_SUITE_P(Bahnsteuerung, Busstoerung,
                         ::testing::Values(Fall{0, 0, 3}, Fall{0, 0, 17}, Fall{0, 0, 29}, Fall{1, 3, 5}, Fall{1, 0, 23},
                                           Fall{1, 0, 31}, Fall{2, 1, 7}, Fall{2, 0, 41}, Fall{2, 1, 43}),
                         Name);

// Six lanes that hold their frames while they play and hand their whole
// parts over in one tick, as lanes that held their messages through an
// outage do: random throws, 50 Volle + 50 Abräumen a part, four rounds, a
// points game. The program books each lane's burst throw by throw and sends
// the set points to the lanes of each duel meanwhile; nothing a lane needs
// is lost, and the match ends with the points of a recount of what the
// lanes threw.
namespace amStueck {

constexpr int Bahnen = 6;
// Start-order mode 2 on six lanes: players 1..6 and 9..14, duels on lanes
// 1+2, 3+4 and 5+6.
const Startplan Plan{{1, 9, 2, 10, 3, 11}, {9, 1, 10, 2, 11, 3}, {12, 4, 13, 5, 14, 6}, {4, 12, 5, 13, 6, 14}};

struct Fall {
    int modus;  // Bahnsteuerung
    std::uint32_t seed;
};

void PrintTo(const Fall& f, std::ostream* os) { *os << "Bahnsteuerung " << f.modus << ", seed " << f.seed; }

std::string Name(const ::testing::TestParamInfo<Fall>& i)
{
    return "Modus" + std::to_string(i.param.modus) + "Seed" + std::to_string(i.param.seed);
}

Bahnsimulator::Vorgaben Vorgaben(std::uint32_t seed)
{
    Bahnsimulator::Vorgaben v = SimVorgaben(2, 40, 60, seed);
    v.bahnen = Bahnen;
    v.teilAufEinmal = true;
    return v;
}

// A player's recount: his pins, the set point of each of his round blocks.
struct Nachzaehlung {
    int holz = 0;
    std::vector<float> sap;
};

// Each duel's round won by more pins (0.5 each when level), counted from the
// parts the lanes played.
std::map<int, Nachzaehlung> Nachzaehlen(const Bahnsimulator& sim)
{
    std::map<int, Nachzaehlung> n;
    for (std::size_t r = 0; r < Plan.size(); ++r)
        for (int bahn = 1; bahn <= Bahnen; bahn += 2) {
            const int a = Plan[r][std::size_t(bahn - 1)], b = Plan[r][std::size_t(bahn)];
            const int ha = sim.teile(bahn).at(r).zaehlung().gesamt();
            const int hb = sim.teile(bahn + 1).at(r).zaehlung().gesamt();
            n[a].holz += ha;
            n[b].holz += hb;
            n[a].sap.push_back(ha > hb ? 1.0f : ha == hb ? 0.5f : 0.0f);
            n[b].sap.push_back(1.0f - n[a].sap.back());
        }
    return n;
}

float Summe(const std::vector<float>& v) { return std::accumulate(v.begin(), v.end(), 0.0f); }

class TeilAmStueck : public ::testing::TestWithParam<Fall> {
protected:
    void SetUp() override
    {
        ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 7), QTime(19, 30, 0)));
        BahnAnzahl = Bahnen;
        ASSERT_TRUE(CanAnschliessen(&anlage.bus));
    }

    void TearDown() override { ProgrammAbbauen(); }

    Anlage anlage{Vorgaben(GetParam().seed)};
};

TEST_P(TeilAmStueck, EveryLanesWholePartInOneTickStallsNoMatch)
{
    Spielart a;
    a.bahnsteuerung = GetParam().modus;
    a.letzteBahn = Bahnen;
    a.volle = a.abraeumen = 50;
    a.spieleranzahl = 6;
    a.punktespiel = true;
    TWettkampfDaten* m = WettkampfAufbauen(a);
    ASSERT_TRUE(m);
    std::size_t groessterSchwall = 0;
    anlage.beobachter = [&] {
        groessterSchwall = std::max(groessterSchwall, std::size_t(anlage.bus.empfangen.size()));
    };
    SpielStarten(*m);
    ASSERT_TRUE(anlage.bis([&] { return m->Beendet != 0; }, 30000))
        << "Durchgang " << int(m->Durchgang) << " after " << anlage.schritte << " steps, "
        << CanSendeVerworfen << " frames dropped";
    anlage.beobachter = nullptr;
    EXPECT_TRUE(anlage.ausklingen());
    // The six lanes' whole parts (100 throws and the end each) in one step.
    EXPECT_GE(groessterSchwall, std::size_t(Bahnen * 101));
    EXPECT_EQ(CanSendeVerworfen, 0u);
    EXPECT_EQ(m->Spielphase, PhaseBeendet);
    EXPECT_EQ(m->Durchgang, int(Plan.size()) + 1);
    for (int bahn = 1; bahn <= Bahnen; ++bahn) {
        EXPECT_EQ(anlage.sim.spielNr(bahn), 0) << "lane " << bahn;
        ASSERT_EQ(anlage.sim.teile(bahn).size(), Plan.size()) << "lane " << bahn;
    }
    EXPECT_EQ(BuchungVergleichen(*m, anlage.sim, Plan, GetParam().modus != 0), std::vector<std::string>{});

    const std::map<int, Nachzaehlung> n = Nachzaehlen(anlage.sim);
    float sap[2] = {}, map[2] = {};
    int holz[2] = {};
    for (const auto& [nr, x] : n) {
        const Nachzaehlung& gegner = n.at(nr <= 8 ? nr + 8 : nr - 8);
        const float s = Summe(x.sap), g = Summe(gegner.sap);
        // The match point: more sets, else more pins, else shared.
        const float mp = s != g                   ? (s > g ? 1.0f : 0.0f)
                         : x.holz != gegner.holz ? (x.holz > gegner.holz ? 1.0f : 0.0f)
                                                 : 0.5f;
        EXPECT_EQ(PunkteAbweichung(m->Spieler[nr], x.sap, mp), "") << "player " << nr;
        EXPECT_EQ(m->Spieler[nr].Total.Zahl, x.holz) << "player " << nr;
        const int seite = nr <= 8 ? 0 : 1;
        sap[seite] += s;
        map[seite] += mp;
        holz[seite] += x.holz;
    }
    const float ergebnis = holz[0] > holz[1] ? 2.0f : holz[0] == holz[1] ? 1.0f : 0.0f;
    EXPECT_EQ(m->Heim.Total.Zahl, holz[0]);
    EXPECT_EQ(m->Gast.Total.Zahl, holz[1]);
    EXPECT_FLOAT_EQ(m->Heim.SaP, sap[0]);
    EXPECT_FLOAT_EQ(m->Gast.SaP, sap[1]);
    EXPECT_FLOAT_EQ(m->Heim.MaP, map[0]);
    EXPECT_FLOAT_EQ(m->Gast.MaP, map[1]);
    EXPECT_FLOAT_EQ(m->Heim.TotalMaP, map[0] + ergebnis);
    EXPECT_FLOAT_EQ(m->Gast.TotalMaP, map[1] + 2.0f - ergebnis);
}

INSTANTIATE_TEST_SUITE_P(Bahnsteuerung, TeilAmStueck,
                         ::testing::Values(Fall{0, 3}, Fall{0, 19}, Fall{1, 5}, Fall{1, 23}, Fall{2, 7}, Fall{2, 41}),
                         Name);

}  // namespace amStueck

}  // namespace
