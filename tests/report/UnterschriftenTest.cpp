// The signatures kept per match and stamped into the boxes of the built-in
// layouts.

#include "core/Globals.h"
#include "report/formulare/Formular.h"
#include "report/Unterschriften.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <memory>

namespace {

class UnterschriftenFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalsZuruecksetzen();
        unterschriftenZustand.zuruecksetzen();
    }
    void TearDown() override
    {
        unterschriftenZustand.zuruecksetzen();
        GlobalsZuruecksetzen();
    }

    // A white signature with a black block in it.
    static QImage Zeichen(QRect block)
    {
        QImage bild = LeereUnterschrift();
        QPainter(&bild).fillRect(block, Qt::black);
        return bild;
    }
};

using Unterschriften_ = UnterschriftenFixture;

// Each match has its own; a new match in the same record (AnlegeNr counted
// on) starts without any.
TEST_F(Unterschriften_, KeptPerMatchAndGoneForANewMatchInTheSameRecord)
{
    TWettkampfDaten& a = Wettkaempfe[1];
    TWettkampfDaten& b = Wettkaempfe[2];
    a.AnlegeNr = 1;
    b.AnlegeNr = 1;
    EXPECT_TRUE(UnterschriftenVon(a).leer());

    Unterschriften u;
    u.heim = Zeichen({10, 10, 50, 50});
    UnterschriftenSetzen(a, u);
    u = {};
    u.gast = Zeichen({0, 0, 5, 5});
    UnterschriftenSetzen(b, u);
    EXPECT_TRUE(!UnterschriftenVon(a).heim.isNull() && UnterschriftenVon(a).gast.isNull());
    EXPECT_TRUE(UnterschriftenVon(b).heim.isNull() && !UnterschriftenVon(b).gast.isNull());

    ++a.AnlegeNr;
    EXPECT_TRUE(UnterschriftenVon(a).leer());
    EXPECT_FALSE(UnterschriftenVon(b).leer());
    // ... and stays without them when the old number comes back.
    --a.AnlegeNr;
    EXPECT_TRUE(UnterschriftenVon(a).leer());
}

// The table of the boxes: left, top, right, bottom.
TEST_F(Unterschriften_, BoxesOfEveryLayout)
{
    const int erwartet[9][3][4] = {
        {{100, 1350, 540, 1450}, {900, 1350, 1340, 1450}, {1700, 1350, 2140, 1450}},
        {{400, 2170, 730, 2245}, {1600, 2170, 1930, 2245}, {2700, 2170, 3030, 2245}},
        {{400, 2230, 730, 2305}, {1600, 2230, 1930, 2305}, {2700, 2230, 3030, 2305}},
        {{2900, 1900, 3230, 1975}, {2900, 2067, 3230, 2142}, {2900, 1986, 3230, 2061}},
        {{80, 2200, 410, 2275}, {1400, 2200, 1730, 2275}, {2770, 2200, 3100, 2275}},
        {{440, 2200, 770, 2275}, {1680, 2200, 2010, 2275}, {2670, 2200, 3000, 2275}},
        {{160, 2210, 490, 2285}, {1360, 2210, 1690, 2285}, {2860, 2210, 3190, 2285}},
        {{200, 2950, 530, 3025}, {1000, 3100, 1330, 3175}, {1900, 2950, 2230, 3025}},
        {{800, 1920, 1130, 1995}, {2170, 2150, 2500, 2225}, {2820, 1920, 3150, 1995}},
    };
    for (int i = 0; i < 9; ++i) {
        const auto felder = UnterschriftFelder(i);
        ASSERT_TRUE(felder) << i;
        for (int k = 0; k < 3; ++k) {
            const auto& e = erwartet[i][k];
            // The right and bottom edges lie outside the box.
            EXPECT_EQ((*felder)[std::size_t(k)], QRect(e[0], e[1], e[2] - e[0], e[3] - e[1])) << i << " " << k;
        }
    }
    for (int i : {-1, 9, 19, 20}) EXPECT_FALSE(UnterschriftFelder(i)) << i;
}

// Layout 4's home box is 330 x 75: half the signature's size. The signature's
// black block 100..299 x 50..99 lands on 130..229 x 2225..2249. A black line
// of the form at y 2210 under the white of the signature stays black on
// layouts 4..8 (AND) and is covered on 0..3 (plain copy).
TEST_F(Unterschriften_, StampingCopiesOn0To3AndAndsOn4To8)
{
    Unterschriften u;
    u.heim = Zeichen({100, 50, 200, 50});
    for (int index = 0; index <= 8; ++index) {
        const QRect box = (*UnterschriftFelder(index))[0];
        QImage form(3256, 3256, QImage::Format_RGB32);
        form.fill(Qt::white);
        const int linie = box.top() + 5;
        QPainter(&form).fillRect(QRect(box.left() - 20, linie, box.width() + 40, 1), Qt::black);
        UnterschriftenStempeln(form, index, u);

        // The middle of the block, scaled into the box.
        const QPoint mitte(box.left() + 200 * box.width() / 660, box.top() + 75 * box.height() / 150);
        EXPECT_EQ(form.pixel(mitte), qRgb(0, 0, 0)) << index;
        // White signature over the line: kept on 4..8, covered on 0..3.
        const QRgb ueberLinie = form.pixel(box.left() + 10, linie);
        EXPECT_EQ(ueberLinie, index >= 4 ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << index;
        // Outside the box the line is untouched, and nothing else was drawn.
        EXPECT_EQ(form.pixel(box.left() - 10, linie), qRgb(0, 0, 0)) << index;
        EXPECT_EQ(form.pixel(box.right() + 2, box.top() + 40), qRgb(255, 255, 255)) << index;
        EXPECT_EQ(form.pixel(box.left() + 10, box.bottom() + 2), qRgb(255, 255, 255)) << index;
    }
}

TEST_F(Unterschriften_, NothingStampedOutsideTheBuiltInLayoutsOrWithoutSignatures)
{
    Unterschriften u;
    u.heim = u.gast = u.schiedsrichter = Zeichen({0, 0, 660, 150});
    for (auto [index, unterschriften] : {std::pair(-1, u), std::pair(9, u), std::pair(20, u),
                                         std::pair(4, Unterschriften{})}) {
        QImage form(3256, 3256, QImage::Format_RGB32);
        form.fill(Qt::white);
        const QImage vorher = form;
        UnterschriftenStempeln(form, index, unterschriften);
        EXPECT_EQ(form, vorher) << index;
    }
}

// What goes out carries the match's signatures; another match's report not.
TEST_F(Unterschriften_, ReportDrawnForOutputIsSignedWithItsMatchsSignatures)
{
    TWettkampfDaten& a = Wettkaempfe[1];
    TWettkampfDaten& b = Wettkaempfe[2];
    a.AnlegeNr = b.AnlegeNr = 1;
    Unterschriften u;
    u.gast = Zeichen({0, 0, 660, 150});
    UnterschriftenSetzen(a, u);

    const QRect gast = (*UnterschriftFelder(5))[2];
    const FormularBild fa = BerichtZeichnen(a, 5);
    const FormularBild fb = BerichtZeichnen(b, 5);
    ASSERT_FALSE(fa.bild.isNull());
    ASSERT_FALSE(fb.bild.isNull());
    EXPECT_EQ(fa.bild.pixel(gast.center()), qRgb(0, 0, 0));
    EXPECT_NE(fb.bild.pixel(gast.center()), qRgb(0, 0, 0));
    EXPECT_TRUE(BerichtZeichnen(a, 12).bild.isNull());
}

}  // namespace
