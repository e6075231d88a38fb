// The lane simulator on its own. Practice, the games the lanes run
// themselves (mode 0), the restart and the virtual bus play whole matches
// in tests/e2e.

#include "lanesim/Bahnsimulator.h"
#include "lanesim/Wurfskript.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<int>;
using Frames = std::vector<std::pair<int, Bytes>>;

Bahnsimulator::Vorgaben Vorgaben(int pc = 1)
{
    Bahnsimulator::Vorgaben v;
    v.bahnen = 4;
    v.pcEinheit = pc;
    v.wurfTakt = 2;
    v.startVerzoegerung = 3;
    v.probeTakte = 5;
    return v;
}

class Simulator : public ::testing::Test {
protected:
    // A frame of the PC to lane n of station 1.
    void pc(int bahn, Bytes daten)
    {
        CanRohRahmen r;
        r.id = sim.empfangsId(bahn);
        for (int b : daten) r.daten[r.laenge++] = std::uint8_t(b);
        sim.empfangen(r);
    }
    // Every lane frame sent so far, as lane and bytes.
    Frames frames()
    {
        Frames f;
        while (const std::optional<CanRohRahmen> r = sim.naechster()) {
            Bytes b(r->daten.begin(), r->daten.begin() + r->laenge);
            f.push_back({int((r->id - 0x200) / 8), b});
        }
        return f;
    }
    Frames ticks(int n)
    {
        for (int i = 0; i < n; ++i) sim.tick();
        return frames();
    }
    void skript(int bahn, const char* text) { sim.setSkript(bahn, *WuerfeLesen(QString::fromLatin1(text))); }

    Bahnsimulator sim{Vorgaben()};
};

TEST(Wurfskript, TokensAndFile)
{
    using W = Wurfangabe;
    EXPECT_EQ(WuerfeLesen(u"9 0 | X 0x1F3 5! 4@01 x"),
              (Wurfliste{W::zahl(9), W::zahl(0), W::alle(), W::maske(0x1F3), W::zahl(5, FlagsFoul), W::zahl(4, 0x01),
                         W::alle()}));
    QString fehler;
    for (const char* falsch : {"10", "Y", "0x200", "5?", "5@", "5@xyz"}) {
        EXPECT_FALSE(WuerfeLesen(QString::fromLatin1(falsch), &fehler)) << falsch;
        EXPECT_TRUE(fehler.contains(QString::fromLatin1(falsch))) << falsch;
    }
    const auto s = SkriptLesen(QStringLiteral("# Bahn 1 und 3\n1: 9 8 | 7\n\n3:X # abgeräumt\r\n1: 0\n"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->size(), 2u);
    EXPECT_EQ(s->at(1), (Wurfliste{W::zahl(9), W::zahl(8), W::zahl(7), W::zahl(0)}));
    EXPECT_EQ(s->at(3), (Wurfliste{W::alle()}));
    EXPECT_FALSE(SkriptLesen(QStringLiteral("1: 9\n17: 9\n"), &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Zeile 2: erwartet \"<Bahn 1..16>: <Würfe>\""));
    EXPECT_FALSE(SkriptLesen(QStringLiteral("2: 9 Q"), &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Zeile 1: unbekannter Wurf \"Q\""));
}

TEST_F(Simulator, IdentifiersFollowTheStation)
{
    for (auto [pc, id] : {std::pair{1, 0x618u}, {0, 0x618u}, {9, 0x618u}, {2, 0x619u}, {8, 0x61Fu}})
        EXPECT_EQ(Bahnsimulator(Vorgaben(pc)).empfangsId(3), id) << pc;
    EXPECT_EQ(Bahnsimulator::sendeId(3), 0x218u);
    Bahnsimulator s3(Vorgaben(3));
    for (std::uint32_t id : {0x608u, 0x708u, 0x30Au, 0x60Cu, 0x628u + 2}) s3.empfangen({id, 1, {38}});
    EXPECT_FALSE(s3.naechster());  // other stations, printer, boards, lane 5 of 4
    s3.empfangen({0x60A, 1, {38}});
    EXPECT_EQ(s3.naechster(), (CanRohRahmen{0x208, 1, {38}}));
}

TEST_F(Simulator, RegistrationMatchNumberAndStatus)
{
    pc(2, {36, 1});
    pc(2, {38});
    pc(2, {10});
    pc(2, {12, 0x21});
    pc(2, {10});
    pc(2, {42});
    EXPECT_EQ(frames(), (Frames{{2, {38}}, {2, {10, 0}}, {2, {10, 0x21}}, {2, {42, 2, 0}}}));
    EXPECT_TRUE(sim.online(2));
    EXPECT_EQ(sim.pcEinheit(2), 1);
    pc(2, {3, 0x22});  // without game parameters: only the number
    EXPECT_EQ(sim.spielNr(2), 0x22);
    EXPECT_FALSE(sim.teilLaeuft(2));
    for (Bytes verlassen : {Bytes{34, 'Y'}, Bytes{4}, Bytes{39}}) {
        pc(2, {12, 0x21});
        pc(2, verlassen);
        EXPECT_EQ(sim.spielNr(2), 0);
    }
    EXPECT_FALSE(sim.online(2));
    EXPECT_EQ(frames(), (Frames{{2, {39}}}));
}

// A lane that takes nothing but its registration while offline (an option;
// by default an offline lane takes everything).
TEST(SimulatorOffline, AnOfflineLaneTakesOnlyItsRegistration)
{
    for (bool taub : {false, true}) {
        SCOPED_TRACE(taub);
        Bahnsimulator::Vorgaben v = Vorgaben();
        v.offlineTaub = taub;
        Bahnsimulator sim(v);
        auto pc = [&](Bytes daten) {
            CanRohRahmen r;
            r.id = sim.empfangsId(1);
            for (int b : daten) r.daten[r.laenge++] = std::uint8_t(b);
            sim.empfangen(r);
        };
        pc({12, 0x21});
        pc({10});
        EXPECT_EQ(sim.spielNr(1), taub ? 0 : 0x21);
        pc({36, 1});
        pc({38});
        pc({12, 0x22});
        EXPECT_EQ(sim.pcEinheit(1), 1);
        EXPECT_TRUE(sim.online(1));
        EXPECT_EQ(sim.spielNr(1), 0x22);
        std::vector<Bytes> gesendet;
        while (const std::optional<CanRohRahmen> r = sim.naechster())
            gesendet.push_back(Bytes(r->daten.begin(), r->daten.begin() + r->laenge));
        const std::vector<Bytes> erwartet = taub ? std::vector<Bytes>{{38}} : std::vector<Bytes>{{10, 0x21}, {38}};
        EXPECT_EQ(gesendet, erwartet);
    }
}

// A part of 3 + 3: full racks on Volle, the rack cleared throw by throw on
// Abräumen, flag 0x04 on the throw that fells the last pins, then 't'.
TEST_F(Simulator, PartReportsEveryThrowAndItsEnd)
{
    skript(1, "9 8 7 | 5 X 6");
    pc(1, {166, 9});
    pc(1, {34, 'a', 3, 3, 12, 0});
    EXPECT_TRUE(ticks(3).empty());  // the start delay
    EXPECT_TRUE(sim.teilLaeuft(1));
    EXPECT_EQ(sim.statuswort(1), 0x210);
    const auto f = ticks(12);
    const Frames erwartet{
        {1, {1, 0x7F, 3, 0, 0, 120}}, {1, {1, 0x7F, 1, 0, 0, 120}},    {1, {1, 0x7F, 0, 0, 0, 120}},
        {1, {1, 0x1F, 0, 0, 0, 120}}, {1, {1, 0x60, 3, 0x04, 0, 120}}, {1, {1, 0x3F, 0, 0, 0, 120}},
        {1, {34, 't'}}};
    EXPECT_EQ(f, erwartet);
    EXPECT_FALSE(sim.teilLaeuft(1));
    ASSERT_EQ(sim.teile(1).size(), 1u);
    const Teil& t = sim.teile(1)[0];
    EXPECT_TRUE(t.fertig);
    EXPECT_EQ(t.spieler, 9);
    EXPECT_EQ(t.wuerfe[4].stehend, 0x1E0);
    EXPECT_EQ(t.zaehlung(), (Zaehlung{24, 15, 0, 6}));
    EXPECT_EQ(sim.zaehlung(1), t.zaehlung());
    EXPECT_EQ(sim.spielerZaehlung(9), t.zaehlung());
    EXPECT_EQ(sim.spielerZaehlung(1), Zaehlung{});
}

// Lanes that hand their parts over whole: nothing while a part runs (an
// answer and a key included, and at rest while another lane still plays),
// then all of it, lane by lane in order, in the tick no lane plays any more.
TEST(SimulatorAmStueck, PartsAreHandedOverWholeOnceNoLanePlays)
{
    Bahnsimulator::Vorgaben v = Vorgaben();
    v.teilAufEinmal = true;
    Bahnsimulator sim(v);
    sim.setSkript(1, *WuerfeLesen(u"9 8 | 5 X"));
    sim.setSkript(2, *WuerfeLesen(u"9 9 9 | 8 0 0"));
    auto pc = [&](int bahn, Bytes daten) {
        CanRohRahmen r;
        r.id = sim.empfangsId(bahn);
        for (int b : daten) r.daten[r.laenge++] = std::uint8_t(b);
        sim.empfangen(r);
    };
    pc(1, {34, 'a', 2, 2, 12, 0});
    pc(2, {34, 'a', 3, 3, 12, 0});
    Frames gesendet;
    int takte = 0;
    for (int takt = 1; takt <= 16; ++takt) {
        sim.tick();
        if (takt == 6) {
            pc(1, {42});
            sim.taste(1, 'e');
        }
        if (takt == 12) pc(1, {42});
        while (const std::optional<CanRohRahmen> r = sim.naechster()) {
            gesendet.push_back({int((r->id - 0x200) / 8), Bytes(r->daten.begin(), r->daten.begin() + r->laenge)});
            takte |= 1 << takt;
        }
    }
    // Starts after 3 ticks, a throw every 2 ticks from tick 5: lane 1 ends at
    // tick 11, lane 2 at tick 15.
    EXPECT_EQ(takte, 1 << 15);
    const Frames erwartet{
        {1, {1, 0x7F, 3, 0, 0, 120}}, {1, {42, 0x02, 0x10}},       {1, {34, 'e'}},
        {1, {1, 0x7F, 1, 0, 0, 120}}, {1, {1, 0x1F, 0, 0, 0, 120}}, {1, {1, 0x60, 3, 0x04, 0, 120}},
        {1, {34, 't'}},               {1, {42, 0, 0}},              {2, {1, 0x7F, 3, 0, 0, 120}},
        {2, {1, 0x7F, 3, 0, 0, 120}}, {2, {1, 0x7F, 3, 0, 0, 120}}, {2, {1, 0x7F, 1, 0, 0, 120}},
        {2, {1, 0, 0, 0, 0, 120}},    {2, {1, 0, 0, 0, 0, 120}},    {2, {34, 't'}}};
    EXPECT_EQ(gesendet, erwartet);
    pc(1, {42});
    EXPECT_EQ(sim.naechster(), (CanRohRahmen{0x208, 3, {42, 0, 0}}));  // all at rest: at once
}

// The pins a throw counts and whether it is a miss, by the PC's rules.
TEST_F(Simulator, TallyCountsAsThePcBooks)
{
    const struct {
        const char* wurf;
        int holz;
        bool fehler;
    } faelle[] = {{"7", 7, false}, {"0", 0, true}, {"7!", 0, false}, {"0!", 0, true},
                  {"7@01", 0, true}, {"7@02", 7, false}, {"0x111", 3, false}, {"X@80", 9, false}};
    for (const auto& f : faelle) {
        Bahnsimulator s(Vorgaben());
        s.setSkript(1, *WuerfeLesen(QString::fromLatin1(f.wurf)));
        s.empfangen({s.empfangsId(1), 6, {34, 'a', 1, 0, 12, 0}});
        for (int i = 0; i < 10; ++i) s.tick();
        ASSERT_EQ(s.teile(1).size(), 1u) << f.wurf;
        const GemeldeterWurf& w = s.teile(1)[0].wuerfe.at(0);
        EXPECT_EQ(w.holz, f.holz) << f.wurf;
        EXPECT_EQ(w.fehler, f.fehler) << f.wurf;
        EXPECT_EQ(s.zaehlung(1), (Zaehlung{f.holz, 0, f.fehler ? 1 : 0, 1})) << f.wurf;
    }
}

TEST_F(Simulator, KeysCorrectTheLanesCount)
{
    skript(1, "5 6 | 4 3 2 1");
    pc(1, {34, 'a', 2, 3, 12, 1});
    ticks(5);  // the start delay and the first throw
    ASSERT_EQ(sim.teile(1)[0].wuerfe.size(), 1u);
    ticks(2);
    sim.taste(1, 'q');  // the 6 counts zero: a miss
    sim.taste(1, 'B', {7});
    EXPECT_EQ(frames().back(), (std::pair<int, Bytes>{1, {34, 'B', 7}}));
    EXPECT_EQ(sim.spieler(1), 7);
    ticks(2);  // Abräumen 4: pins 1..4
    sim.taste(1, 'r');  // invalid: thrown again on the full rack
    ticks(2);  // 3: pins 1..3
    EXPECT_EQ(sim.teile(1)[0].wuerfe.back().bild, 0x007);
    EXPECT_EQ(sim.teile(1)[0].wuerfe.back().stehend, 0x1FF);
    ticks(2);  // 2: pins 4, 5
    sim.taste(1, 't');  // the part ends after four throws
    EXPECT_FALSE(sim.teilLaeuft(1));
    frames();
    EXPECT_TRUE(ticks(10).empty());
    const Teil& t = sim.teile(1)[0];
    EXPECT_TRUE(t.fertig);
    ASSERT_EQ(t.wuerfe.size(), 4u);
    EXPECT_EQ(t.wuerfe[3].bild, 0x018);
    EXPECT_EQ(t.zaehlung(), (Zaehlung{5, 5, 1, 4}));
    EXPECT_EQ(sim.spielerZaehlung(7), (Zaehlung{0, 5, 0, 2}));
    EXPECT_EQ(sim.skriptRest(1), 1u);
}

// Scripted corrections: 0x20 takes the last throw back (it is thrown again),
// 0x50 books it as zero, 0x10 counts the frame's pins for it after all.
TEST_F(Simulator, ScriptedCorrectionsOfTheLastThrow)
{
    skript(1, "5 6 2@20 4 3@50 X@10 1");
    pc(1, {34, 'a', 3, 0, 12, 0});
    const auto f = ticks(3 + 7 * 2 + 1);
    std::vector<int> flags;
    for (const auto& [bahn, d] : f)
        if (d[0] == 1) flags.push_back(d[3]);
    EXPECT_EQ(flags, (std::vector<int>{0, 0, 0x20, 0, 0x50, 0x10, 0}));
    EXPECT_EQ(f.back(), (std::pair<int, Bytes>{1, {34, 't'}}));
    const Teil& t = sim.teile(1).at(0);
    ASSERT_EQ(t.wuerfe.size(), 3u);
    EXPECT_EQ(t.wuerfe[1].bild, 0x1FF);
    EXPECT_EQ(t.wuerfe[1].holz, 9);
    EXPECT_FALSE(t.wuerfe[1].fehler);
    EXPECT_EQ(t.zaehlung(), (Zaehlung{15, 0, 0, 3}));
}

// The PC's corrections [35, 169, throw, previous, new]: a throw counts the new
// pins, a throw after the lane's last is added without pins falling, one the
// lane does not have is passed over. A throw number [35, 161] ahead of the
// lane's fills in the throws between; one behind it changes nothing.
TEST_F(Simulator, PcCorrectionsChangeTheLanesCount)
{
    QStringList protokoll;
    sim.setProtokoll([&](const QString& zeile) { protokoll << zeile; });
    skript(1, "7 8 9 | 4 3 2");
    pc(1, {34, 'a', 3, 4, 12, 0});
    ticks(3 + 3 * 2);
    ASSERT_EQ(sim.teile(1)[0].wuerfe.size(), 3u);
    pc(1, {35, 169, 2, 8, 5});
    pc(1, {35, 169, 3, 9, 0});  // a miss now
    pc(1, {35, 169, 4, 0, 6});  // added: the first Abräumen throw
    pc(1, {35, 169, 6, 0, 5});  // not the next throw
    pc(1, {35, 169, 5, 3, 5});  // no throw 5 to correct
    pc(1, {35, 161, 0, 0, 3});
    pc(1, {35, 161, 0, 0, 5});  // throw 5 filled in
    EXPECT_TRUE(frames().empty());
    for (const char* zeile : {"Korrektur vom PC: Wurf 2 8 -> 5 Holz", "Korrektur vom PC: Wurf 4 nachgetragen, 6 Holz",
                              "Korrektur vom PC für Wurf 6 übergangen", "Korrektur vom PC für Wurf 5 übergangen",
                              "Wurfzahl vom PC: 5 statt 4"})
        EXPECT_TRUE(protokoll.contains(QStringLiteral("Bahn  1: ") + QString::fromUtf8(zeile))) << zeile;
    // Throw 6 on the rack the added throw left full, then the last throw added.
    EXPECT_EQ(ticks(2), (Frames{{1, {1, 0x0F, 0, 0, 0, 120}}}));
    pc(1, {35, 169, 7, 0, 2});
    EXPECT_EQ(frames(), (Frames{{1, {34, 't'}}}));
    EXPECT_FALSE(sim.teilLaeuft(1));
    // At rest the part just played still takes corrections, but no throw more.
    pc(1, {35, 169, 7, 2, 9});
    pc(1, {35, 169, 8, 0, 5});
    const Teil& t = sim.teile(1)[0];
    ASSERT_EQ(t.wuerfe.size(), 7u);
    EXPECT_EQ(t.wuerfe[3].bild, 0);
    EXPECT_EQ(t.wuerfe[3].stehend, 0x1FF);
    EXPECT_TRUE(t.wuerfe[3].abraeumen);
    EXPECT_EQ((std::vector<bool>{t.wuerfe[0].vomPc, t.wuerfe[1].vomPc, t.wuerfe[4].vomPc, t.wuerfe[5].vomPc}),
              (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(t.zaehlung(), (Zaehlung{7 + 5 + 0, 6 + 0 + 4 + 9, 1, 7}));
    EXPECT_EQ(sim.skriptRest(1), 2u);
}

TEST_F(Simulator, StopHoldsTheLane)
{
    pc(1, {34, 'a', 5, 0, 12, 0});
    ticks(5);
    pc(1, {34, 'n'});
    EXPECT_TRUE(sim.gestoppt(1));
    EXPECT_EQ(sim.statuswort(1) & 0x4000, 0x4000);
    const std::size_t n = sim.teile(1)[0].wuerfe.size();
    EXPECT_TRUE(ticks(20).empty());
    pc(1, {34, 'm'});
    sim.anhalten(1, true);
    EXPECT_TRUE(ticks(20).empty());
    sim.anhalten(1, false);
    ticks(2);
    EXPECT_EQ(sim.teile(1)[0].wuerfe.size(), n + 1);
}

TEST_F(Simulator, RandomThrowsRepeatWithTheSeed)
{
    auto spielen = [](std::uint32_t seed) {
        Bahnsimulator::Vorgaben v = Vorgaben();
        v.seed = seed;
        Bahnsimulator s(v);
        s.empfangen({s.empfangsId(1), 6, {34, 'a', 20, 20, 12, 0}});
        for (int i = 0; i < 200; ++i) s.tick();
        return s.teile(1).at(0).wuerfe;
    };
    const std::vector<GemeldeterWurf> a = spielen(5);
    ASSERT_EQ(a.size(), 40u);
    for (const GemeldeterWurf& w : a) EXPECT_EQ(w.bild & ~w.stehend, 0) << w.nr;  // only standing pins fall
    auto bilder = [](const std::vector<GemeldeterWurf>& w) {
        std::vector<int> b;
        for (const GemeldeterWurf& x : w) b.push_back(x.bild);
        return b;
    };
    EXPECT_EQ(bilder(spielen(5)), bilder(a));
    EXPECT_NE(bilder(spielen(6)), bilder(a));
}

}  // namespace

// The lane printer: [196] switches it on and the lane reports it, [197] off;
// frames to 0x700 + 8n are its bytes, in order; a lane without a printer
// does not answer.
TEST_F(Simulator, LanePrinterSwitchesAndRecordsItsBytes)
{
    pc(2, {196});
    EXPECT_TRUE(sim.druckerAn(2));
    CanRohRahmen r;
    r.id = 0x710;
    for (int b : {0x1B, int('@'), int('A')}) r.daten[r.laenge++] = std::uint8_t(b);
    sim.empfangen(r);
    r.laenge = 0;
    sim.empfangen(r);
    r.id = 0x718;  // lane 3's printer
    r.daten[r.laenge++] = 'Z';
    sim.empfangen(r);
    pc(2, {197});
    EXPECT_FALSE(sim.druckerAn(2));
    EXPECT_EQ(frames(), (Frames{{2, {196}}, {2, {197}}}));
    EXPECT_EQ(sim.druckerBytes(2), QByteArray("\x1b@A"));
    EXPECT_EQ(sim.druckerRahmen(2), 2);
    EXPECT_EQ(sim.druckerBytes(3), QByteArray("Z"));

    Bahnsimulator::Vorgaben v = Vorgaben();
    v.drucker = false;
    Bahnsimulator ohne(v);
    CanRohRahmen ein;
    ein.id = ohne.empfangsId(1);
    ein.daten[ein.laenge++] = 196;
    ohne.empfangen(ein);
    EXPECT_FALSE(ohne.naechster());
    EXPECT_FALSE(ohne.druckerAn(1));
}

// The boards keep what the 234 blocks wrote: row 16 arrives as nibble 0,
// frames of other stations' boards are not theirs.
TEST(SimulatorTafeln, RowsHoldWhatTheBlocksWrote)
{
    Bahnsimulator sim(Vorgaben(2));
    EXPECT_EQ(sim.namenTafelId(), 0x311u);
    EXPECT_EQ(sim.mannschaftsTafelId(), 0x309u);
    sim.empfangen({0x311, 8, {234, 0x31, 'S', 'T', 'O', 'P', ' ', ' '}});
    sim.empfangen({0x311, 8, {234, 0x37, ' ', ' ', ' ', 0, 0, 0}});
    sim.empfangen({0x311, 8, {234, 0x01, 'B', 'A', 'H', 'N', ' ', ' '}});
    sim.empfangen({0x309, 8, {234, 0x13, '0', '1', '2', '0', 0, 0}});
    sim.empfangen({0x309, 2, {239, 70}});
    sim.empfangen({0x310, 8, {234, 0x41, 'x', 'x', 'x', 'x', 'x', 'x'}});  // station 1's board
    EXPECT_EQ(sim.namenTafel(3), QByteArray("STOP     ") + QByteArray(21, '\0'));
    EXPECT_EQ(sim.namenTafel(16).left(6), QByteArray("BAHN  "));
    EXPECT_EQ(sim.namenTafel(4), QByteArray(30, '\0'));
    EXPECT_EQ(sim.mannschaftsTafel(1).left(6), QByteArray("\0\0" "0120", 6));
    EXPECT_EQ(sim.mannschaftsTafelHelligkeit(), 70);
    EXPECT_EQ(sim.namenTafelHelligkeit(), -1);
    EXPECT_EQ(sim.tafelRahmen().size(), 5u);
    EXPECT_FALSE(sim.naechster());
}
