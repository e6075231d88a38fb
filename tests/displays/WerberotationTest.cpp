#include "displays/Werberotation.h"

#include "core/Anzeigedienste.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "support/Dateien.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <QFileInfo>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Ereignisse = std::vector<std::pair<int, QString>>;  // tick, what the board showed

class Aufzeichnung : public Werbeflaeche {
public:
    void ergebnisseZeigen() override { gezeigt.emplace_back(takt, "Ergebnisse"); }
    void werbungZeigen(const QString& datei) override { gezeigt.emplace_back(takt, QFileInfo(datei).fileName()); }
    bool videoLaeuft() const override { return video; }

    int takt = 0;
    bool video = false;
    Ereignisse gezeigt;
};

// Match 1 on the board with adverts on, during practice; defaults 10 and 20
// seconds; the pictures a.jpg and b.avi in the data folder.
class Rotation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        Datenverzeichnis = ordner.path();
        ASSERT_TRUE(DateiAblegen(ordner.path(), "a.jpg", "") && DateiAblegen(ordner.path(), "b.avi", ""));
        Einst.GrossanzWerbezeit = 10;
        Einst.GrossanzWerbeabst = 20;
        w->GrossanzeigeEin = 1;
        w->Spielphase = 4;
        b.Werbung = 1;
        b.Index = 2;
        AnzeigeWettkampf = w.get();
    }
    void TearDown() override
    {
        Datenverzeichnis = m_daten;
        Einst.GrossanzWerbezeit = m_zeiten.first;
        Einst.GrossanzWerbeabst = m_zeiten.second;
        AnzeigeWettkampf = nullptr;
    }
    // Configuration 2 of these lines ("<datei>;<maske>;<zeit>;<abstand>"), loaded.
    bool laden(std::initializer_list<const char*> zeilen)
    {
        QByteArray text;
        for (const char* z : zeilen) text += QByteArray("X;") + ordner.path().toUtf8() + "/" + z + "\r\n";
        return DateiAblegen(ordner.path(), "Grossanz2.dat", text) && GrossanzWerbungLaden(*w);
    }
    // Ticks up to the number given; each must keep the timer on.
    void bis(int n)
    {
        while (flaeche.takt < n) {
            ++flaeche.takt;
            ASSERT_TRUE(GrossanzWerbungTakt()) << flaeche.takt;
        }
    }

    QTemporaryDir ordner;
    std::unique_ptr<TWettkampfDaten> w = std::make_unique<TWettkampfDaten>();
    TWerbeZustand& b = w->GrossanzWerbung;
    Aufzeichnung flaeche;
    WerbeflaecheEinsetzen m_flaeche{&flaeche};

private:
    QString m_daten = Datenverzeichnis;
    std::pair<u16, u16> m_zeiten{Einst.GrossanzWerbezeit, Einst.GrossanzWerbeabst};
};

TEST_F(Rotation, PictureAfterTheIntervalForItsDisplayTime)
{
    ASSERT_TRUE(laden({"a.jpg;4;0;0"}));
    bis(1);
    EXPECT_EQ(b.Zaehler, 2);
    bis(26);
    EXPECT_EQ(flaeche.gezeigt, (Ereignisse{{10, "a.jpg"}, {15, "Ergebnisse"}, {25, "a.jpg"}}));
}

TEST_F(Rotation, EntriesOfOtherPhasesAreSkippedOnePerTick)
{
    ASSERT_TRUE(laden({"a.jpg;4;0;0", "b.avi;8;0;0", "b.avi;8;0;0"}));
    bis(10);
    EXPECT_EQ(b.Position, 1);
    bis(16);
    EXPECT_EQ(b.Position, 2);
    bis(17);
    EXPECT_EQ(b.Position, 0);
    bis(25);
    EXPECT_EQ(flaeche.gezeigt, (Ereignisse{{10, "a.jpg"}, {15, "Ergebnisse"}, {25, "a.jpg"}}));
}

TEST_F(Rotation, AVideoStaysUntilItHasEnded)
{
    ASSERT_TRUE(laden({"b.avi;4;4;2"}));
    bis(1);
    flaeche.video = true;
    bis(5);
    EXPECT_EQ(b.Zaehler, 4);
    flaeche.video = false;
    bis(6);
    EXPECT_EQ(flaeche.gezeigt, (Ereignisse{{1, "b.avi"}, {6, "Ergebnisse"}}));
}

TEST_F(Rotation, TimesAndDefaultsZeroShowOnTheFirstMatchingTickForOneTick)
{
    Einst.GrossanzWerbezeit = Einst.GrossanzWerbeabst = 0;
    w->Spielphase = 1;
    ASSERT_TRUE(laden({"a.jpg;4;0;0"}));
    bis(2);
    w->Spielphase = 4;
    bis(5);
    EXPECT_EQ(flaeche.gezeigt, (Ereignisse{{3, "a.jpg"}, {4, "Ergebnisse"}, {5, "a.jpg"}}));
}

TEST_F(Rotation, EmptyOrMissingListShowsNothingAndStopsTheTimer)
{
    EXPECT_FALSE(GrossanzWerbungLaden(*w));
    ASSERT_TRUE(DateiAblegen(ordner.path(), "Grossanz2.dat", ""));
    EXPECT_FALSE(GrossanzWerbungLaden(*w));
    EXPECT_FALSE(GrossanzWerbungTakt());
    EXPECT_TRUE(flaeche.gezeigt.empty());
}

TEST_F(Rotation, AMissingFileKeepsTheResultsForItsDisplayTime)
{
    ASSERT_TRUE(laden({"fehlt.jpg;4;0;0"}));
    bis(10);
    EXPECT_TRUE(b.Zustand);
    bis(15);
    EXPECT_EQ(flaeche.gezeigt, (Ereignisse{{15, "Ergebnisse"}}));
}

TEST_F(Rotation, SwitchingAdvertsOffWhileOneIsUpShowsTheResults)
{
    ASSERT_TRUE(laden({"a.jpg;4;0;0"}));
    bis(10);
    b.Werbung = 0;
    flaeche.takt = 11;
    EXPECT_FALSE(GrossanzWerbungTakt());
    EXPECT_EQ(flaeche.gezeigt, (Ereignisse{{10, "a.jpg"}, {11, "Ergebnisse"}}));
    EXPECT_FALSE(b.Zustand);
}

TEST_F(Rotation, AnAdvertLeftByTheMatchShownBeforeGivesWayAtTheNextTick)
{
    // Match 1's advert was up when the board moved to this match, whose
    // entry is for another phase.
    TWerbeZustand& vorher = Wettkaempfe[1].GrossanzWerbung;
    vorher.Zustand = 1;
    vorher.Zaehler = 4;
    ASSERT_TRUE(laden({"a.jpg;8;0;0"}));
    bis(3);
    EXPECT_EQ(flaeche.gezeigt, (Ereignisse{{1, "Ergebnisse"}}));
    EXPECT_EQ(std::pair(vorher.Zustand, vorher.Zaehler), std::pair(u8(0), 0));  // the start state again
}

TEST_F(Rotation, OnlyTheMatchOnTheBoardRotates)
{
    ASSERT_TRUE(laden({"a.jpg;4;0;0"}));
    bis(10);
    // Loading again starts over; the advert up gives way.
    flaeche.takt = 0;
    ASSERT_TRUE(GrossanzWerbungLaden(*w));
    EXPECT_EQ(std::tuple(b.Position, b.Zustand, b.Zaehler), std::tuple(u16(0), u8(0), 0));
    EXPECT_EQ(flaeche.gezeigt.back(), (std::pair<int, QString>(0, "Ergebnisse")));

    auto andere_ = std::make_unique<TWettkampfDaten>();
    TWettkampfDaten& andere = *andere_;
    andere.GrossanzWerbung.Werbung = 1;
    EXPECT_FALSE(GrossanzWerbungLaden(andere));
    EXPECT_FALSE(andere.GrossanzWerbung.Liste);
    w->GrossanzeigeEin = 0;
    EXPECT_FALSE(GrossanzWerbungTakt());
    AnzeigeWettkampf = nullptr;
    EXPECT_FALSE(GrossanzWerbungTakt());
}

}  // namespace
