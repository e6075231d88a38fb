// A throw preset with its own start order: the plan made in the editor is
// saved, read into the match when its start order is assigned, and the
// lanes get the players the plan says, round after round, to the game end.

#include "competition/Startfolge.h"
#include "competition/Wettbewerb.h"
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/Startfolge.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "e2e/Spielaufbau.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Wettkampfslots.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Each player's lanes as clicked in the editor (CSpieler index, lanes).
const std::vector<std::pair<int, std::vector<int>>> Klicks{
    {0, {3, 4}}, {8, {4, 3}}, {1, {1, 2}}, {9, {2, 1}},
    {2, {3, 4}}, {10, {4, 3}}, {3, {1, 2}}, {11, {2, 1}},
};
// The plan they make, worked out by hand: players 1, 9, 2, 10, ... each start
// in the first free round of their first lane.
const Startplan Plan{{2, 10, 1, 9}, {10, 2, 9, 1}, {4, 12, 3, 11}, {12, 4, 11, 3}};

class EigeneStartfolge : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 7), QTime(19, 30, 0)));
        m_daten = Datenverzeichnis;
        Datenverzeichnis = ordner.path();
        startfolgeZustand.zuruecksetzen();
        WurfvorwListe = {QStringLiteral("120 Wurf;15;15;12;3;;;Bahn 1 bis 4"),
                         QStringLiteral("Eigene Folge;3;3;12;5;;;Bahn 1 bis 4;Bahn 1 bis 2")};
        ASSERT_TRUE(CanAnschliessen(&anlage.bus));
    }
    void TearDown() override
    {
        ProgrammAbbauen();
        Datenverzeichnis = m_daten;
        startfolgeZustand.zuruecksetzen();
    }

    // The editor as the operator uses it: a player chosen, his lanes clicked, OK.
    static void bedienen()
    {
        auto* d = qobject_cast<TStartfolge*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Startfolge  Bahn 1 bis 4"));
        for (const auto& [index, bahnen] : Klicks) {
            d->CSpieler->setCurrentIndex(index);
            for (int bahn : bahnen) d->findChild<QToolButton*>(QStringLiteral("ImageBahn%1").arg(bahn))->click();
        }
        d->BtnOk->click();
    }

    QTemporaryDir ordner;
    Anlage anlage{SimVorgaben(5, 40, 60, 7)};
    Runden runden;

private:
    QString m_daten;
};

TEST_F(EigeneStartfolge, APlanMadeInTheEditorPutsThePlayersOnItsLanes)
{
    ASSERT_TRUE(WettkampfAnlegen());
    WettkampfVorgabenSetzen();
    TWettkampfDaten& m = *AktWettkampf;
    m.Wurfvorwahl = 1;
    m.BahnenIndex = 0;

    Fensterhub hub;
    CompetitionFensterRegistrieren(hub);
    QTimer::singleShot(0, [] {
        bedienen();
        if (QWidget* offen = QApplication::activeModalWidget()) offen->close();  // a failed step ends the dialog
    });
    ASSERT_TRUE(hub.dialog(Dialog::Startfolge));
    ASSERT_TRUE(QFile::exists(ordner.filePath(QStringLiteral("Startfolge.inf"))));

    Wettbewerb dienste;
    const WettbewerbDiensteEinsetzen einsetzen{&dienste};
    Spielart a;
    a.spielmodus = 5;
    ASSERT_TRUE(WettkampfEinrichten(a));
    ASSERT_EQ(m.StartplanZeiger, &m.Startfolge);

    anlage.beobachter = [&] { RundeMerken(runden, m); };
    SpielStarten(m);
    ASSERT_TRUE(anlage.bis([&] { return m.Beendet != 0; })) << "Durchgang " << int(m.Durchgang);
    EXPECT_TRUE(anlage.ausklingen());
    EXPECT_EQ(runden, PlanRunden(Plan));
    for (int bahn = 1; bahn <= 4; ++bahn) {
        SCOPED_TRACE("lane " + std::to_string(bahn));
        const std::vector<Teil>& teile = anlage.sim.teile(bahn);
        ASSERT_EQ(teile.size(), Plan.size());
        for (std::size_t r = 0; r < Plan.size(); ++r) EXPECT_EQ(teile[r].spieler, Plan[r][std::size_t(bahn - 1)]) << r;
    }
    EXPECT_EQ(BuchungVergleichen(m, anlage.sim, Plan, true), std::vector<std::string>{});
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty()) << skriptBoxen().gezeigt.join(u'|').toStdString();
}

}  // namespace
