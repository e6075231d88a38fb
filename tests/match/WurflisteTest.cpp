#include "match/lanes/Wurfliste.h"

#include "match/print/Wurfprotokoll.h"
#include "support/QtDrucken.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// The label and one letter per row: . normal, F miss, G alley.
void PrintTo(const BahnAnsicht& a, std::ostream* os)
{
    *os << '"' << a.ergebnis.toStdString() << "\" ";
    for (Zellart z : a.zeilen) *os << (z == Zellart::Fehler ? 'F' : z == Zellart::Gasse ? 'G' : '.');
}

namespace {

struct Wurf {
    u16 bild, art;
};

void Setzen(TDurchgangBlock& b, std::initializer_list<Wurf> wuerfe)
{
    long t = 1;
    for (const Wurf& w : wuerfe) {
        b.Wurfbild[t] = w.bild;
        b.Wurfart[t] = w.art;
        ++t;
    }
}

TEST(Wurfliste, DecodesPinsMissesAndMarksFromTheCurrentWords)
{
    const struct {
        u16 bild, art;
        int holz, fehl, null;
        const char* marken;
    } faelle[] = {
        {0x4005, 0x000, 2, 0, 0, ""},          // pins 1 and 3
        {0x6005, 0x000, 5, 0, 0, "W"},         // count entered
        {0x4007, 0x240, 3, 0, 1, "N"},         // foul counted zero: no miss
        {0x4003, 0x003, 2, 1, 0, "FÜ"},        // overstep counting zero
        {0x4000 | 0x1E00 | 0x011, 0x184, 2, 0, 0, "VAZ"},  // bits above the pins ignored
        {0x0000, 0x001, 0, 0, 0, ""},          // no throw
        {0x6000, 0x050, 0, 1, 0, "FKW"},       // corrected to a miss
        {0x6005, 0x010, 5, 0, 0, "KW"},        // the miss corrected to 5
    };
    // One block for all: the last row corrects the miss before it to 5
    // pins, which stops it being one.
    TDurchgangBlock b;
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << std::hex << f.bild << " " << f.art);
        Setzen(b, {{f.bild, f.art}});
        WurfAuswerten(b, 1);
        EXPECT_EQ(b.Holz[1], f.holz);
        EXPECT_EQ(b.FehlWurf[1], f.fehl);
        EXPECT_EQ(b.NullWurf[1], f.null);
        EXPECT_EQ(EreignisText(b.Marke[1]), QString::fromUtf8(f.marken));
    }
}

TEST(Wurfliste, AlleyTests)
{
    EXPECT_TRUE(GasseGetroffen(0x4013, true, false));   // 1, 2, 5
    EXPECT_FALSE(GasseGetroffen(0x4013, false, true));
    EXPECT_TRUE(GasseGetroffen(0x4005, false, true));   // 1, 3
    EXPECT_FALSE(GasseGetroffen(0x3E01, true, true));   // pin 1 and bits above the pins

    const struct {
        u16 stehend, wurf;
        bool korrekt;
    } faelle[] = {
        {0x03A, 0x00A, true},   // 2 4 5 6: 2 and 4
        {0x03E, 0x024, true},   // 2..6: 3 and 6 (before 2 4 5 6, which would refuse it)
        {0x01A, 0x012, true},   // 2 4 5: the alternative 2 and 5
        {0x0C0, 0x040, true},   // 7 8: any pin
        {0x007, 0x4007, true},  // every standing pin, present bit ignored
        {0x1FF, 0x4003, true},  // full rack: 1 and 2
        {0x101, 0x001, false},  // no figure fits
    };
    for (const auto& f : faelle)
        EXPECT_EQ(KorrekterWurf(f.stehend, f.wurf), f.korrekt) << std::hex << f.stehend << " " << f.wurf;
}

TEST(Wurfliste, RowsOfOneLaneBlock)
{
    TDurchgangBlock b;
    Setzen(b, {{0x41FF, 0}, {0x4000, 0x01}, {0, 0}, {0x4007, 0x240}, {0x6000, 0x50}, {0x4001, 0}});
    const QList<WurflisteZeile> z = BahnWurflisteFuellen(b, 5);
    const QList<WurflisteZeile> erwartet{
        {"9", "", ""}, {"0", "1", "F"}, {"", "", ""}, {"3", "", "N"}, {"0", "2", "FKW"}};
    EXPECT_EQ(z, erwartet);
    EXPECT_TRUE(b.Ausgewertet[2] && !b.Ausgewertet[3] && !b.Ausgewertet[6]);  // 6 is beyond the part

    // The pin picture of a row: a count-only throw has none.
    Setzen(b, {{0x4013, 0}, {0x6003, 0x10}});
    EXPECT_EQ(KegelbildVon(b, 0), (Kegelbild{"3", true, 0x013}));
    EXPECT_EQ(KegelbildVon(b, 1), (Kegelbild{"3", false, 0}));
    EXPECT_EQ(KegelbildVon(b, 2), (Kegelbild{"", true, 0}));
}

// Volle 3, Abräumen 6. Volle: 1 2 5, 1 3 6, a count-only 3. Abräumen:
// 2 3 on the full rack, 5 8 against 1 4 5 6 7 8 9 (figure 4 5 7 8), the rest
// (clears), 1 3 4 on the new rack, a count-only 2, pins 5 7.
class WurflisteBlock : public ::testing::Test {
protected:
    void SetUp() override
    {
        b.Bahn = 3;
        Setzen(b, {{0x4013, 0}, {0x4025, 0}, {0x6003, 0x10}, {0x4006, 0}, {0x4090, 0}, {0x4169, 0x04},
                   {0x400D, 0}, {0x6002, 0x10}, {0x4050, 0}});
        b.Volle.Text = "13", b.Volle.Zahl = 13, b.Abr.Text = "15", b.Abr.Zahl = 15;
        b.Fehler.Text = "0", b.Total.Text = "28";
        BahnWurflisteFuellen(b, 9);
    }
    static QList<Zellart> Gassen(std::initializer_list<int> zeilen)
    {
        QList<Zellart> z(9, Zellart::Normal);
        for (int r : zeilen) z[r] = Zellart::Gasse;
        return z;
    }
    TDurchgangBlock b;
};

TEST_F(WurflisteBlock, ModesAndAlleyWalks)
{
    EXPECT_EQ(ModusAnsicht(b, 3, 6, WurflisteModus::Ergebnis), (BahnAnsicht{"28 Holz", Gassen({})}));
    b.Wurfbild[2] = 0x4000, b.Fehler.Text = "1";
    BahnWurflisteFuellen(b, 9);
    QList<Zellart> fehler(9, Zellart::Normal);
    fehler[1] = Zellart::Fehler;
    EXPECT_EQ(ModusAnsicht(b, 3, 6, WurflisteModus::Fehler), (BahnAnsicht{"1 Fehler", fehler}));
    b.Wurfbild[2] = 0x4025;

    using M = WurflisteModus;
    const struct {
        WurflisteSchalter s;
        BahnAnsicht a;
    } faelle[] = {
        {{M::Ergebnis, true, false, false}, {"5 Wurf", Gassen({0, 1, 4, 5, 6})}},
        {{M::Ergebnis, true, true, false}, {"3 Wurf", Gassen({0, 4, 5})}},
        {{M::Volle, true, false, true}, {"2 Wurf", Gassen({1, 6})}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(GassenAnsicht(b, 3, 6, f.s), f.a) << int(f.s.modus) << f.s.links << f.s.rechts;
    // The first Abräumen throw is on the full rack too: 1 2 hits the left alley.
    b.Wurfbild[4] = 0x4003;
    EXPECT_EQ(GassenAnsicht(b, 3, 6, {M::Volle, true, true, false}), (BahnAnsicht{"2 Wurf", Gassen({0, 3})}));
}

TEST_F(WurflisteBlock, AlleyButtons)
{
    using M = WurflisteModus;
    using G = Gassentaste;
    const struct {
        WurflisteSchalter vorher;
        G taste;
        WurflisteSchalter nachher;
    } faelle[] = {
        {{M::Fehler}, G::Korrekt, {M::Ergebnis, true, false, false}},
        {{M::Abr}, G::Links, {M::Ergebnis, true, true, false}},
        {{M::Wurfbild}, G::Rechts, {M::Ergebnis, true, false, true}},
        {{M::Volle, true, true, false}, G::Rechts, {M::Volle, true, false, true}},
        {{M::Volle, true, false, true}, G::Korrekt, {M::Volle, true, false, false}},
    };
    for (const auto& f : faelle) EXPECT_EQ(GassentasteDruecken(f.vorher, f.taste), f.nachher) << int(f.taste);
}

TEST_F(WurflisteBlock, StatisticsOfFinishedPlayersOfOneSide)
{
    auto w = std::make_unique<TWettkampfDaten>();
    w->Volle = 3, w->Abraeumen = 6;
    TSpielerEintrag& fertig = w->Spieler[2];
    TSpielerEintrag& spielt = w->Spieler[5];
    TSpielerEintrag& gast = w->Spieler[10];
    for (TSpielerEintrag* p : {&fertig, &spielt, &gast}) {
        p->Gestartet = 1;
        p->Fertig = p != &spielt;
        p->Durchgang[2] = b;
        p->Durchgang[2].KorrekterAnschub = 7;
    }
    MannschaftsstatistikBerechnen(*w, WurflisteHeim(*w, fertig));

    const TDurchgangBlock& s = fertig.Durchgang[2];
    // Volle: 1 2 5 and 1 3 6; the count-only 3 would read as pins 1 and 2.
    EXPECT_EQ(s.KorrekterWurfVolle, 2);
    EXPECT_EQ(s.KorrekteLinkeGasse, 1);
    EXPECT_EQ(s.KorrekteRechteGasse, 1);
    // 1 3 4 on the new rack; the figure throw and the rest; 5 7 after the
    // count-only throw is left out, as its rack is unknown.
    EXPECT_EQ(s.KorrekterAnschub, 1);
    EXPECT_EQ(s.KorrekterWurfAbr, 2);
    EXPECT_EQ(s.Abgeraeumt, 1);
    EXPECT_EQ(spielt.Durchgang[2].KorrekterAnschub, 0);
    EXPECT_EQ(gast.Durchgang[2].KorrekterAnschub, 7);
    EXPECT_FALSE(WurflisteHeim(*w, gast));
}

}  // namespace
