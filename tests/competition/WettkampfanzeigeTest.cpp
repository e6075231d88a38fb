#include "competition/Wettkampfanzeige.h"

#include "core/Globals.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class Wettkampfanzeige : public ::testing::Test {
protected:
    void SetUp() override { GlobalsZuruecksetzen(); }
    void TearDown() override { GlobalsZuruecksetzen(); }
    std::unique_ptr<TWettkampfDaten> w = std::make_unique<TWettkampfDaten>();
};

TEST_F(Wettkampfanzeige, PresetLineGivesOwnPracticeItemsAndItsLaneChoices)
{
    const ProbeAuswahl a = ProbeAuswahlAusZeile(QStringLiteral("Liga;25;25;12;3;7;12;Bahn 1 bis 4;Bahn 5 bis 8"));
    EXPECT_EQ(a.eigeneProbe, QStringList({QStringLiteral("7 min. Probe"), QStringLiteral("12 Wurf Probe")}));
    EXPECT_EQ(a.bahnen, QStringList({QStringLiteral("Bahn 1 bis 4"), QStringLiteral("Bahn 5 bis 8")}));

    // Without the practice fields and lane choices nothing is added.
    const ProbeAuswahl leer = ProbeAuswahlAusZeile(QStringLiteral("Kurz;15;15;12;3"));
    EXPECT_TRUE(leer.eigeneProbe.isEmpty());
    EXPECT_TRUE(leer.bahnen.isEmpty());
    // Only the minutes.
    EXPECT_EQ(ProbeAuswahlAusZeile(QStringLiteral("X;15;15;12;3;4;;Bahn 1 bis 2")).eigeneProbe,
              QStringList{QStringLiteral("4 min. Probe")});
}

TEST_F(Wettkampfanzeige, LaneChangeItemsOnlyForFiveOnFourLanesOrDroppedResultsOnSix)
{
    struct Fall {
        int erste, letzte, spieler;
        bool streich;
        QString erstesItem;  // empty: the choice is hidden
    };
    const Fall faelle[] = {
        {1, 4, 5, false, QStringLiteral("2 Bahnen links bei Spielbeginn")},
        {1, 4, 6, false, {}},
        {1, 6, 5, false, {}},
        {1, 6, 8, true, QStringLiteral("4 Bahnen links bei Spielbeginn")},
        {1, 4, 8, true, {}},
    };
    for (const Fall& f : faelle) {
        w->ErsteBahn = u8(f.erste);
        w->LetzteBahn = u8(f.letzte);
        w->Spieleranzahl = u16(f.spieler);
        w->Streichspiel = f.streich;
        const QStringList punkte = BahnwechselPunkte(*w);
        SCOPED_TRACE(f.letzte * 10 + f.spieler);
        if (f.erstesItem.isEmpty()) {
            EXPECT_TRUE(punkte.isEmpty());
        } else {
            ASSERT_EQ(punkte.size(), 4);
            EXPECT_EQ(punkte[0], f.erstesItem);
            EXPECT_TRUE(punkte[3].endsWith(QStringLiteral(" rechts bei Spielende")));
        }
    }
}

TEST_F(Wettkampfanzeige, TeamSizeHidesLinesFiveAndSixButNeverTheSubstitutes)
{
    w->Spieleranzahl = 4;
    EXPECT_TRUE(SpielerzeileSichtbar(*w, 4));
    EXPECT_FALSE(SpielerzeileSichtbar(*w, 5));
    EXPECT_FALSE(SpielerzeileSichtbar(*w, 6));
    EXPECT_TRUE(SpielerzeileSichtbar(*w, 7));
    EXPECT_TRUE(SpielerzeileSichtbar(*w, 8));
    w->Spieleranzahl = 5;
    EXPECT_TRUE(SpielerzeileSichtbar(*w, 5));
    EXPECT_FALSE(SpielerzeileSichtbar(*w, 6));
    w->Spieleranzahl = 8;
    w->Streichspiel = 1;
    for (int k = 1; k <= 8; ++k) EXPECT_TRUE(SpielerzeileSichtbar(*w, k));
}

TEST_F(Wettkampfanzeige, FinishedWinsOverStarted)
{
    TSpielerEintrag& s = w->Spieler[1];
    EXPECT_EQ(SpielerzeileFarbe(s), 16777215u);
    s.Gestartet = 1;
    EXPECT_EQ(SpielerzeileFarbe(s), 15389394u);
    s.Fertig = 1;
    EXPECT_EQ(SpielerzeileFarbe(s), 13673122u);
}

}  // namespace
