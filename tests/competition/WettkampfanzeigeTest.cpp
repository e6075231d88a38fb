#include "competition/Wettkampfanzeige.h"

#include "core/Globals.h"
#include "support/QtDrucken.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <tuple>

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
    // Without the practice fields and lane choices nothing is added; here only the minutes.
    const ProbeAuswahl leer = ProbeAuswahlAusZeile(QStringLiteral("Kurz;15;15;12;3"));
    EXPECT_TRUE(leer.eigeneProbe.isEmpty() && leer.bahnen.isEmpty());
    EXPECT_EQ(ProbeAuswahlAusZeile(QStringLiteral("X;15;15;12;3;4;;Bahn 1 bis 2")).eigeneProbe,
              QStringList{QStringLiteral("4 min. Probe")});
}

TEST_F(Wettkampfanzeige, LaneChangeItemsOnlyForFiveOnFourLanesOrDroppedResultsOnSix)
{
    struct Fall {
        int letzte, spieler;
        bool streich;
        QString erstesItem;  // empty: the choice is hidden
    };
    const Fall faelle[] = {
        {4, 5, false, QStringLiteral("2 Bahnen links bei Spielbeginn")}, {4, 6, false, {}}, {6, 5, false, {}},
        {6, 8, true, QStringLiteral("4 Bahnen links bei Spielbeginn")},  {4, 8, true, {}},
    };
    for (const Fall& f : faelle) {
        w->ErsteBahn = 1;
        w->LetzteBahn = u8(f.letzte);
        w->Spieleranzahl = u16(f.spieler);
        w->Streichspiel = f.streich;
        const QStringList punkte = BahnwechselPunkte(*w);
        SCOPED_TRACE(f.letzte * 10 + f.spieler);
        EXPECT_EQ(punkte.size(), f.erstesItem.isEmpty() ? 0 : 4);
        if (punkte.size() == 4) {
            EXPECT_EQ(punkte[0], f.erstesItem);
            EXPECT_TRUE(punkte[3].endsWith(QStringLiteral(" rechts bei Spielende")));
        }
    }
}

TEST_F(Wettkampfanzeige, TeamSizeHidesLinesFiveAndSixButNeverTheSubstitutes)
{
    // Team size, dropped results, the lines 1..8 shown.
    const std::tuple<int, u8, const char*> faelle[] = {{4, 0, "11110011"}, {5, 0, "11111011"}, {8, 1, "11111111"}};
    for (const auto& [anzahl, streich, zeilen] : faelle) {
        w->Spieleranzahl = u16(anzahl);
        w->Streichspiel = streich;
        for (int k = 1; k <= 8; ++k) EXPECT_EQ(SpielerzeileSichtbar(*w, k), zeilen[k - 1] == '1') << anzahl << ": " << k;
    }
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
