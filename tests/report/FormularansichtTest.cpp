// The zoom, drag and click-zoom arithmetic of the report window's preview.

#include "report/formulare/Formularansicht.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr Formularmasse Quer{3256, 2430, 420};
constexpr Formularmasse A5{2430, 1628, 420};
constexpr Formularmasse Hoch{2430, 3256, 840};

struct Zoomfolge {
    const char* name;
    Formularmasse masse;
    std::vector<QSize> hinein;   // the sizes after each step in, from the start
    std::vector<QSize> hinaus;   // then after each step out, from the full size
};

// In: doubled while narrower than half the full width, then the full size.
// Out: halved (integer division) while wider than 600, then 600 x P.
const Zoomfolge Folgen[] = {
    {"landscape", Quer, {{1200, 840}, {2400, 1680}, {3256, 2430}}, {{1628, 1215}, {814, 607}, {600, 420}}},
    {"A5", A5, {{1200, 840}, {2400, 1680}, {2430, 1628}}, {{1215, 814}, {607, 407}, {600, 420}}},
    {"portrait", Hoch, {{1200, 1680}, {2400, 3360}, {2430, 3256}}, {{1215, 1628}, {607, 814}, {600, 840}}},
};

TEST(Formularansicht, ZoomRunsInAndOutWithTheButtonsAtTheEnds)
{
    for (const Zoomfolge& f : Folgen) {
        SCOPED_TRACE(f.name);
        Ansichtszoom z = AnsichtStart(f.masse);
        EXPECT_EQ(z, (Ansichtszoom{QSize(600, f.masse.vorschauHoehe), false, true}));
        for (std::size_t i = 0; i < f.hinein.size(); ++i) {
            z = AnsichtGroesser(z, f.masse);
            const bool letzter = i + 1 == f.hinein.size();
            EXPECT_EQ(z, (Ansichtszoom{f.hinein[i], true, !letzter})) << i;
        }
        // Once more at full size changes nothing.
        EXPECT_EQ(AnsichtGroesser(z, f.masse), z);
        for (std::size_t i = 0; i < f.hinaus.size(); ++i) {
            z = AnsichtKleiner(z, f.masse);
            const bool letzter = i + 1 == f.hinaus.size();
            EXPECT_EQ(z, (Ansichtszoom{f.hinaus[i], !letzter, true})) << i;
        }
        // Out at the smallest size stays there.
        EXPECT_EQ(AnsichtKleiner(z, f.masse), AnsichtStart(f.masse));
    }
}

struct Klickfall {
    QPoint klick;
    QSize alt, neu, sicht;
    QPoint erwartet;
};

// new width x X div old width - view width div 2, likewise down.
TEST(Formularansicht, ClickZoomCentresTheClickedPoint)
{
    const Klickfall faelle[] = {
        {{300, 210}, {600, 420}, {1200, 840}, {620, 424}, {600 - 310, 420 - 212}},
        // 3256 x 1555 div 2400 = 2109 (2109.6 cut), 2430 x 1000 div 1680 = 1446
        {{1555, 1000}, {2400, 1680}, {3256, 2430}, {601, 401}, {2109 - 300, 1446 - 200}},
        // At full size the click only centres.
        {{3000, 2000}, {3256, 2430}, {3256, 2430}, {620, 424}, {3000 - 310, 2000 - 212}},
        // A picture without size gives the view's corner.
        {{10, 10}, {0, 0}, {600, 420}, {620, 424}, {-310, -212}},
    };
    for (const Klickfall& f : faelle)
        EXPECT_EQ(AnsichtKlickMitte(f.klick, f.alt, f.neu, f.sicht), f.erwartet) << f.klick.x() << "," << f.klick.y();
}

// The view moves on by the distance from the press point, whatever it
// scrolled before: press at (500, 400), mouse at (480, 430).
TEST(Formularansicht, DragScrollsByTheDistanceFromThePressPoint)
{
    EXPECT_EQ(AnsichtZiehen({100, 100}, {500, 400}, {480, 430}), QPoint(120, 70));
    EXPECT_EQ(AnsichtZiehen({120, 70}, {500, 400}, {500, 400}), QPoint(120, 70));
    EXPECT_TRUE(AnsichtKlick({5, 5}, {5, 5}, {0, 40}, {0, 40}));
    EXPECT_FALSE(AnsichtKlick({5, 5}, {6, 5}, {0, 40}, {0, 40}));
    // Dragged away and back: the view has moved, no click.
    EXPECT_FALSE(AnsichtKlick({5, 5}, {5, 5}, {0, 40}, {0, 41}));
}

}  // namespace
