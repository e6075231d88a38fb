#include "core/Zeitgeber.h"

#include <gtest/gtest.h>

TEST(Zeitgeber, IntervalZeroIsOffAndATickMaySwitchItselfOff)
{
    int laeufe = 0;
    Zeitgeber z;
    z.setJob([&] {
        ++laeufe;
        z.setEnabled(false);
    });
    z.setEnabled(true);
    EXPECT_TRUE(z.enabled());
    EXPECT_FALSE(z.laeuft());  // interval 0
    z.setInterval(50);
    EXPECT_TRUE(z.laeuft());
    z.tick();
    EXPECT_EQ(laeufe, 1);
    EXPECT_FALSE(z.enabled());
    EXPECT_FALSE(z.laeuft());
    z.setEnabled(true);
    z.setEnabled(true);  // no restart, no second timer
    EXPECT_TRUE(z.laeuft());
    z.setInterval(0);
    EXPECT_FALSE(z.laeuft());
    EXPECT_TRUE(z.enabled());
}
