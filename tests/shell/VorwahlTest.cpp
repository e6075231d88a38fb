// The rules behind the page "Vorwahl ": preset lines built and read, the
// throw caps, where a list's new entry goes.

#include "shell/Namensliste.h"
#include "shell/Vorwahl.h"

#include <gtest/gtest.h>

TEST(Wurfvorwahl, ThrowsAreCappedAtFiftyWithClearingGivingWay)
{
    struct Fall {
        int volle, abraeumen, volleDanach, abraeumenDanach;
    };
    const Fall faelle[] = {
        {30, 40, 30, 20}, {60, 0, 50, 0}, {0, 60, 0, 50}, {60, 60, 50, 0},
        {25, 25, 25, 25}, {26, 25, 26, 24}, {15, 15, 15, 15}, {0, 0, 0, 0},
    };
    for (const Fall& f : faelle) {
        int v = f.volle, a = f.abraeumen;
        WuerfeKappen(v, a);
        EXPECT_EQ(v, f.volleDanach) << f.volle << "/" << f.abraeumen;
        EXPECT_EQ(a, f.abraeumenDanach) << f.volle << "/" << f.abraeumen;
    }
}

TEST(Wurfvorwahl, LineHasEmptyPracticeFieldsForZeroAndTheLaneEntriesLast)
{
    struct Fall {
        Wurfvorwahlfelder felder;
        const char* zeile;
    };
    const Fall faelle[] = {
        {{"120 Wurf", 15, 15, 12, 3, 0, 0, {"Bahn 1 bis 4", "Bahn 5 bis 8"}},
         "120 Wurf;15;15;12;3;;;Bahn 1 bis 4;Bahn 5 bis 8"},
        {{"Classic", 25, 25, 20, 1, 0, 0, {}}, "Classic;25;25;20;1;;"},
        {{"Probe", 30, 0, 15, 2, 3, 5, {"Bahn 1"}}, "Probe;30;0;15;2;3;5;Bahn 1"},
        {{"", 0, 0, 0, 5, 0, 7, {"Bahn 2 und 4"}}, ";0;0;0;5;;7;Bahn 2 und 4"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(WurfvorwahlZeileBauen(f.felder), QString::fromUtf8(f.zeile));
}

TEST(Wurfvorwahl, ReadingFillsOnlyTheFieldsALineHasAndReadsNoNumberAsZero)
{
    {
        const Wurfvorwahlzeile z =
            WurfvorwahlZeileLesen(QStringLiteral("120 Wurf;15;15;12;3;;;Bahn 1 bis 4;Bahn 5 bis 8"));
        EXPECT_EQ(z.volle, 15);
        EXPECT_EQ(z.abraeumen, 15);
        EXPECT_EQ(z.zeit, 12);
        EXPECT_EQ(z.satzmodus, 3);
        EXPECT_EQ(z.probeZeit, 0);
        EXPECT_EQ(z.probeWurf, 0);
        EXPECT_EQ(z.bahnen, (QStringList{"Bahn 1 bis 4", "Bahn 5 bis 8"}));
        EXPECT_EQ(WurfvorwahlName(QStringLiteral("120 Wurf;15;15;12;3;;")), QStringLiteral("120 Wurf"));
    }
    {
        // Digits count, anything else is skipped; a field without digits is 0.
        const Wurfvorwahlzeile z = WurfvorwahlZeileLesen(QStringLiteral("X;ab;07;1 2;drei;4;x5"));
        EXPECT_EQ(z.volle, 0);
        EXPECT_EQ(z.abraeumen, 7);
        EXPECT_EQ(z.zeit, 12);
        EXPECT_EQ(z.satzmodus, 0);
        EXPECT_EQ(z.probeZeit, 4);
        EXPECT_EQ(z.probeWurf, 5);
        EXPECT_TRUE(z.bahnen.isEmpty());
    }
    {
        const Wurfvorwahlzeile z = WurfvorwahlZeileLesen(QStringLiteral("Kurz;20;18"));
        EXPECT_EQ(z.volle, 20);
        EXPECT_EQ(z.abraeumen, 18);
        EXPECT_FALSE(z.zeit || z.satzmodus || z.probeZeit || z.probeWurf);
        EXPECT_TRUE(z.bahnen.isEmpty());
    }
    {
        const Wurfvorwahlzeile z = WurfvorwahlZeileLesen(QStringLiteral("nur ein Name"));
        EXPECT_FALSE(z.volle || z.abraeumen || z.zeit || z.satzmodus || z.probeZeit || z.probeWurf);
    }
    // Only 512 characters count: of a lane entry that begins at 12 there are 500 left.
    const QString lang = QStringLiteral("L;1;2;3;4;;;") + QString(600, QLatin1Char('x'));
    EXPECT_EQ(WurfvorwahlZeileLesen(lang).bahnen, QStringList{QString(500, QLatin1Char('x'))});
}

TEST(Namenslisten, NewEntryGoesAfterTheRememberedOneOrAtTheEnd)
{
    struct Fall {
        int gemerkt, anzahl, position;
    };
    const Fall faelle[] = {{-1, 0, 0}, {0, 0, 0}, {0, 1, 1}, {0, 3, 1}, {1, 3, 2},
                           {2, 3, 3},  {5, 3, 3}, {-1, 3, 0}};
    for (const Fall& f : faelle)
        EXPECT_EQ(NeuePosition(f.gemerkt, f.anzahl), f.position) << f.gemerkt << " " << f.anzahl;
}
