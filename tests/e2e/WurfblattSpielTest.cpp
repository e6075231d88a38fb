// Throw sheets of a whole match, byte for byte: the program and the lane
// simulator on a fake bus, the central printer on a recording port. Two
// rounds on lanes 1 and 2, players 1 and 9, two Volle and one Abräumen throw
// a part; in round 1 lane 1 lets its second throw count zero. The streams
// below are written out from the sheet layouts, job by job, in the order the
// events reach the printer.

#include "core/Globals.h"
#include "e2e/Spielaufbau.h"
#include "e2e/Wurfblattsoll.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckwarteschlange.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Startprompts.h"
#include "match/print/Wurfblatt.h"
#include "match/print/Wurfblattdruck.h"
#include "platform/FakeDruckerport.h"
#include "support/Einsetzen.h"
#include "support/Papier.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

namespace {

// The pin picture: five groups of six columns and a gap; a fallen pin is a
// bar of its row in its group, a standing one a 2 x 2 block in the middle.
std::string Kegelbild(unsigned maske)
{
    struct Kegel {
        int gruppe, bit, zeile;
    };
    constexpr Kegel raute[] = {{0, 3, 3}, {1, 1, 1}, {1, 6, 5}, {2, 0, 0}, {2, 4, 3},
                               {2, 8, 6}, {3, 2, 1}, {3, 7, 5}, {4, 5, 3}};
    std::array<unsigned char, 34> s{};
    for (const Kegel& k : raute)
        for (int c = 0; c < 6; ++c) {
            if (maske & (1u << k.bit))
                s[std::size_t(k.gruppe * 7 + c)] |= (1u << k.zeile);
            else if (c == 2 || c == 3)
                s[std::size_t(k.gruppe * 7 + c)] |= (3u << k.zeile);
        }
    return std::string("\x1bL\x22", 3) + '\0' + std::string(s.begin(), s.end());
}

class Wurfblattspiel : public ::testing::Test {
protected:
    explicit Wurfblattspiel(int bahnen = 4) : anlage{Vorgaben(bahnen)} {}

    static Bahnsimulator::Vorgaben Vorgaben(int bahnen)
    {
        Bahnsimulator::Vorgaben v = SimVorgaben(20, 10, 0, 1);
        v.bahnen = bahnen;
        return v;
    }

    void SetUp() override
    {
        ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 7), QTime(19, 30, 0)));
        ASSERT_TRUE(CanAnschliessen(&anlage.bus));
        // The lanes switch their printers on when the PC asks (the simulator's lanes answer).
        Einst.DrEinschalten = true;
        TZentralDrucker& d = Einst.Drucker[1];
        d.Schnittstelle = 1;
        d.DrBahnVon = 1, d.DrBahnBis = 2;
        d.DrTimer = 1;
        d.StartFeed = 60, d.EndFeed = 90, d.FormFeed = true;
    }
    void TearDown() override { ProgrammAbbauen(); }

    // The match in the layout (nullptr: the lanes print their own sheets) on
    // lanes 1..2 x paare, played to its end. Pair i (from 0) has player 1 + i
    // on its odd lane and 9 + i on its even lane in round 1, swapped in round
    // 2; every odd lane throws 7 8 | 5 and 8 0 | 3, every even lane 9 6 | 4
    // and 6 9 | 9, and each odd lane lets its second throw of round 1 count
    // zero.
    TWettkampfDaten& Spielen(u8 TWettkampfDaten::*layout, const std::function<void(TWettkampfDaten&)>& waehrend = {},
                             int paare = 1)
    {
        Spielart a;
        a.ersteBahn = 1, a.letzteBahn = 2 * paare;
        a.volle = 2, a.abraeumen = 1;
        TWettkampfDaten* m = WettkampfAufbauen(a);
        if (!m) throw std::runtime_error("no match");
        WurfblattspielBelegen(*m, paare);
        m->DrEinzelbahn = layout ? 0 : 1;
        if (layout) m->*layout = 1;
        for (int bahn = 1; bahn <= 2 * paare; ++bahn) anlage.sim.setSkript(bahn, WurfblattSkript(bahn));
        std::array<bool, MaxBahnen + 1> gedrueckt{};
        anlage.beobachter = [&] {
            for (int bahn = 1; bahn <= 2 * paare; bahn += 2)
                if (!gedrueckt[std::size_t(bahn)] && m->Durchgang == 1 && BahnDaten[bahn].WurfNr == 2) {
                    gedrueckt[std::size_t(bahn)] = true;
                    anlage.sim.taste(bahn, 'q');
                }
            if (waehrend) waehrend(*m);
        };
        SpielStarten(*m);
        if (!anlage.bis([&] { return m->Beendet != 0; })) throw std::runtime_error("no game end");
        anlage.beobachter = nullptr;
        EXPECT_TRUE(anlage.bis([] { return PcDruckAusstehend == 0; }));
        return *m;
    }

    // The result sheet, once the match has ended.
    void Ergebnisblatt(TWettkampfDaten& m)
    {
        port.lptDaten[0].clear();
        DruckerportBelegt = 1;
        ASSERT_TRUE(BerichtDruckerOeffnen(1));
        BahndruckErgebnisblatt(1, m, "Ortheim");
        EXPECT_TRUE(anlage.bis([] { return DruckerportBelegt == 0; }));
    }

    std::string Gedruckt(int lpt = 1) const { return port.lptDaten[std::size_t(lpt - 1)].toStdString(); }

    FakeDruckerport port;
    DruckerportEinsetzen m_port{port};
    Wurfblattdruck druck;
    DruckDiensteEinsetzen m_druck{&druck};
    DruckerSendenEinsetzen m_senden{&DruckausgabeSenden};
    Anlage anlage;
};

// One line of the result sheet: name, pass, year, throws and the results.
std::string Ergebniszeile(const std::string& name, const std::string& pass, const std::string& jahr, const char* zahlen)
{
    return " " + F(name, 22) + " /" + F(pass, 7) + "/" + jahr + " /" + F("6", 6) + zahlen;
}

const std::string ErgebnisblattSoll =
    Init + V(60) + G + So + "  KSV\x14" + P(335) + "Ortheim, den 07.03.26\n\n\n\r" +
    "    Bezirk: Nord        Klasse: Kreisliga        Spielnummer:" + F("A", 16) + " /17\n\n\r" +
    "    KSC Ahorn 1 - SG Birkenau 1\n\n\r" + H + "\x1bP\x0f" +
    " Name /Passnummer /Geburtsjahr /Wurf      Volle  Abr  Fehl  Total" + P(240) +
    " Name /Passnummer /Geburtsjahr /Wurf      Volle  Abr  Fehl  Total\n\n\r" +
    Ergebniszeile("Anton Adler", "12345", "71", " 22    14     1     36") + P(240) +
    Ergebniszeile("Emil Eder", "67890", "85", " 23     7     1     30") + "\n\r" +
    "\n\r" + G + " \x1b-\x01 \x1b-" + '\0' + "\n\r" + P(148) + "22    14    1      0036" + P(387) +
    "23    7     1      0030" + H + "\x1bM\x12\n\n\r" +
    "    " + P(240) + "\n\r" + "    " + P(240) + "\n\r" + "    " + P(240) + "\n\r" + "    " + P(240) + "\n\r" +
    "\n\n\n" +
    "\r   ___________________          _______________________________          ____________________\n\r" +
    "   Spielf}hrer                  Schiedsrichter                           Spielf}hrer\n" + P(160) +
    "Otto Reuter" + V(100) + V(155) + V(164) + V(90) + Ff + Cr;

}  // namespace

TEST_F(Wurfblattspiel, TwoLaneSheetOfAWholeMatch)
{
    TWettkampfDaten& m = Spielen(&TWettkampfDaten::DrZweiBahnen);
    EXPECT_EQ(Hex(Gedruckt()), Hex(ZweiBahnenblatt(1, 1, 9)));

    Ergebnisblatt(m);
    EXPECT_EQ(Hex(Gedruckt()), Hex(ErgebnisblattSoll));
}

class SechsBahnenWurfblatt : public Wurfblattspiel {
protected:
    SechsBahnenWurfblatt() : Wurfblattspiel(6) {}
};

// Two-lane sheets of a match on six lanes with a printer for each lane pair:
// every pair's sheet comes out whole on its own printer, and no printer gets
// another pair's bytes.
TEST_F(SechsBahnenWurfblatt, EveryLanePairPrintsOnItsOwnPrinter)
{
    BahnAnzahl = 6;
    for (int p = 1; p <= 3; ++p) {
        TZentralDrucker& d = Einst.Drucker[p];
        d = Einst.Drucker[1];
        d.Schnittstelle = u8(p);
        d.DrBahnVon = u8(2 * p - 1), d.DrBahnBis = u8(2 * p);
    }
    Spielen(&TWettkampfDaten::DrZweiBahnen, {}, 3);
    for (int p = 1; p <= 3; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(Hex(Gedruckt(p)), Hex(ZweiBahnenblatt(2 * p - 1, p, 8 + p)));
    }
    EXPECT_TRUE(Gedruckt(4).empty());
}

// Central sheet, a sheet a round: the head with both lanes' player heads
// side by side, every throw a line with its running total, misses and pin
// picture, the correction overprinted with 'K', the phase sums, each
// player's result and the foot.
TEST_F(Wurfblattspiel, CentralSheetOfAWholeMatch)
{
    Spielen(&TWettkampfDaten::DrZentral);
    const std::string kopf = V(60) + G + So + "  KSV\n" + V(10) + Cr + P(20) + "KSC Ahorn 1 - SG Birkenau 1" + P(435) +
                             "07.03.26" + H + Cr;
    const auto spieler = [](const std::string& zurueck, int c, int bahn, const std::string& vor,
                            const std::string& nach) {
        return zurueck + V(40) + G + P(c * 5) + "Bahn " + std::to_string(bahn) + Lf + P(c * 5) + F(vor, 15) + Lf +
               P(c * 5) + F(nach, 15) + H + V(40) + Cr;
    };
    // Throw line: number, pins, running total, misses, mark column, picture.
    const auto wurf = [](const std::string& vor, int c, const char* zeile, unsigned bild, const std::string& summe = "") {
        std::string w = vor + P(c * 5) + zeile + Kegelbild(bild);
        if (!summe.empty()) w += V(40) + Cr + P(c * 5) + summe + Z(40);
        return w + Cr;
    };
    const auto ergebnis = [](int c, const char* gesamt, const char* total, const char* volle, const char* abr,
                             const char* fehl) {
        const std::string p = P(c * 5);
        return V(80) + p + G + "Ergebnis:  " + gesamt + V(30) + p + "Total:    " + total + V(30) + p + "TotaVolle: " +
               volle + V(30) + p + "TotaAbr:   " + abr + V(30) + p + "TotaFehl:  " + fehl + Z(200) + H + Cr;
    };
    const std::string fuss = V(120) + V(150) + V(90) + Ff + Cr;
    const std::string soll =
        Init +
        // Round 1: lane 1 (player 1) in column 4, lane 2 (player 9) in column 28.
        kopf + spieler("", 4, 1, "Anton", "Adler") + spieler(Z(140), 28, 2, "Emil", "Eder") +
        wurf("", 4, " 1 7   7  0 ", 0x07F) + wurf("", 28, " 1 9   9  0 ", 0x1FF) +
        wurf(V(30), 4, " 2 8  15  0 ", 0x0FF, "Volle:   15") +
        // Throw 2 of lane 1 counts zero: overprinted on its line.
        P(20) + "   " + Blk + "X      K" + Cr + wurf("", 28, " 2 6  15  0 ", 0x03F, "Volle:   15") +
        wurf(V(50) + V(30), 4, " 3 5  12  1 ", 0x01F, "Abr{umen:    5") +
        ergebnis(4, " 12", "0012", "  7", "  5", "  1") + wurf("", 28, " 3 4  19  0 ", 0x00F, "Abr{umen:    4") +
        ergebnis(28, " 19", "0019", " 15", "  4", "  0") + fuss +
        // Round 2 on a sheet of its own: lane 1 (player 9), lane 2 (player 1).
        kopf + spieler("", 4, 1, "Emil", "Eder") + spieler(Z(140), 28, 2, "Anton", "Adler") +
        wurf("", 4, " 1 8   8  0 ", 0x0FF) + wurf("", 28, " 1 6   6  0 ", 0x03F) +
        wurf(V(30), 4, " 2 X   8  1 ", 0x000, "Volle:    8") + wurf("", 28, " 2 9  15  0 ", 0x1FF, "Volle:   15") +
        wurf(V(50) + V(30), 4, " 3 3  11  1 ", 0x007, "Abr{umen:    3") +
        ergebnis(4, " 11", "0030", " 23", "  7", "  1") + wurf("", 28, " 3 9  24  0 ", 0x1FF, "Abr{umen:    9") +
        ergebnis(28, " 24", "0036", " 22", " 14", "  1") + fuss;
    EXPECT_EQ(Hex(Gedruckt()), Hex(soll));
}

// Sheets printed by the lanes themselves: the program switches the lane
// printers on and sends them no sheet. A lane that reports its printer
// without connection gets, once the operator answers "Prüfen", the printer
// reset on its own printer over the bus (0x700 + 8L), and nothing else.
TEST_F(Wurfblattspiel, LanePrintersGetOnlyTheResetOverTheBus)
{
    Einst.DrStatus = true;
    skriptPrompts().antworten = {1};
    bool gefragt = false;
    Spielen(nullptr, [&](TWettkampfDaten& m) {
        if (!gefragt && m.Durchgang == 1 && BahnDaten[2].WurfNr == 1) {
            gefragt = true;
            anlage.sim.druckerAnfrage(2);
        }
    });
    EXPECT_TRUE(anlage.ausklingen());
    EXPECT_EQ(skriptPrompts().tags, QList<int>{202});
    EXPECT_EQ(Hex(anlage.sim.druckerBytes(2).toStdString()), Hex(Init));
    EXPECT_EQ(anlage.sim.druckerRahmen(2), 1);
    EXPECT_EQ(anlage.sim.druckerRahmen(1), 0);
    EXPECT_TRUE(anlage.sim.druckerAn(1));
    EXPECT_TRUE(Gedruckt().empty());
}
