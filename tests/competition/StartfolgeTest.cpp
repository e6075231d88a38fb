#include "competition/Startfolge.h"

#include "core/Boxes.h"
#include "core/SettingsFile.h"
#include "support/Dateien.h"
#include "support/QtDrucken.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <tuple>
#include <vector>

namespace {

// A data folder of its own and the editor's state from its start.
class Startfolge : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        m_alt = Datenverzeichnis;
        Datenverzeichnis = ordner.path();
        startfolgeZustand.zuruecksetzen();
        skriptBoxen().gezeigt.clear();
    }
    void TearDown() override
    {
        Datenverzeichnis = m_alt;
        startfolgeZustand.zuruecksetzen();
        skriptBoxen().gezeigt.clear();
    }
    static void folge(int spieler, std::initializer_list<int> bahnen)
    {
        long i = 1;
        for (int b : bahnen) Bahnfolge[spieler][i++] = u8(b);
    }
    static std::vector<int> folge(int spieler) { return {Bahnfolge[spieler].begin(), Bahnfolge[spieler].end()}; }
    static std::vector<int> zeile(const TStartplan& plan, long r) { return {plan[r].begin(), plan[r].end()}; }
    // 25 rounds: the given ones, then zeros.
    static std::vector<int> runden(std::initializer_list<int> anfang)
    {
        std::vector<int> v(anfang);
        v.resize(MaxStartplanRunden, 0);
        return v;
    }
    // The file line of such a row.
    static QByteArray zeilenText(std::initializer_list<int> anfang)
    {
        QByteArray t;
        for (int s : runden(anfang)) t += (t.isEmpty() ? "" : ",") + QByteArray::number(s);
        return t + "\r\n";
    }
    QByteArray datei() const { return DateiInhalt(ordner.filePath(QStringLiteral("Startfolge.inf"))); }
    void dateiSchreiben(const QByteArray& inhalt) const { ASSERT_TRUE(DateiAblegen(ordner.path(), QStringLiteral("Startfolge.inf"), inhalt)); }

    QTemporaryDir ordner;

private:
    QString m_alt;
};

TEST_F(Startfolge, LaneRangeComesFromTheLaneChoiceText)
{
    const struct {
        const char* text;
        int erste, letzte, hoechste;
    } faelle[] = {
        {"Bahn 10 bis 12", 10, 12, 12},
        {"Bahn 3", 3, 3, 3},
        {"Bahn 1 bis 8", 1, 8, 6},  // a plan has six rows
        {"Bahnen", 0, 0, 0},
    };
    for (const auto& f : faelle) {
        StartfolgeBereichSetzen(QString::fromLatin1(f.text));
        EXPECT_EQ(std::tuple(StartfolgeErsteBahn, StartfolgeLetzteBahn), std::tuple(f.erste, f.letzte)) << f.text;
        if (f.erste) {
            EXPECT_EQ(StartfolgeHoechsteBahn(), f.hoechste) << f.text;
        }
    }
}

TEST_F(Startfolge, SequenceTextReadsUpToFourLanesAndShowsTwoDigits)
{
    StartfolgeBereichSetzen(QStringLiteral("Bahn 1 bis 6"));
    const struct {
        const char* eingabe;
        std::vector<int> bahnen;
        const char* text;
    } faelle[] = {
        {"3-4", {3, 4, 0, 0}, "03-04"},
        {"1-2-3-4-5", {1, 2, 3, 4}, "01-02-03-04"},
        {"x-2", {0, 2, 0, 0}, "02"},
        {"", {0, 0, 0, 0}, ""},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(BahnfolgeLesen(5, QString::fromLatin1(f.eingabe)), std::nullopt) << f.eingabe;
        EXPECT_EQ(std::pair(folge(5), BahnfolgeText(5)), std::pair(f.bahnen, QString::fromLatin1(f.text))) << f.eingabe;
    }
}

// A lane outside the range, or beyond the plan's six rows, is refused with a
// message and the sequence stays; a click on it enters nothing.
TEST_F(Startfolge, LaneOutsideTheRangeIsRefused)
{
    StartfolgeBereichSetzen(QStringLiteral("Bahn 3 bis 4"));
    folge(2, {3});
    for (const char* eingabe : {"03-05", "2-3", "04-16"}) {
        const std::optional<QString> fehler = BahnfolgeLesen(2, QString::fromLatin1(eingabe));
        EXPECT_TRUE(fehler && fehler->contains(QStringLiteral("Bahn 3 bis 4"))) << eingabe;
        EXPECT_EQ(folge(2), std::vector<int>({3, 0, 0, 0})) << eingabe;
    }
    StartfolgeSpieler = 2;
    EXPECT_FALSE(BahnKlicken(5));
    EXPECT_EQ(std::pair(int(BahnfolgeAnzahl), folge(2)), std::pair(0, std::vector<int>({3, 0, 0, 0})));

    StartfolgeBereichSetzen(QStringLiteral("Bahn 1 bis 8"));
    EXPECT_TRUE(BahnfolgeLesen(2, QStringLiteral("06-07")).has_value());
    EXPECT_EQ(BahnfolgeLesen(2, QStringLiteral("06-01")), std::nullopt);
}

TEST_F(Startfolge, FifthClickOverwritesTheFirstLane)
{
    StartfolgeBereichSetzen(QStringLiteral("Bahn 1 bis 4"));
    StartfolgeSpieler = 10;
    for (int bahn : {1, 2, 3, 4, 2}) EXPECT_TRUE(BahnKlicken(bahn));
    EXPECT_EQ(folge(10), std::vector<int>({2, 2, 3, 4}));
    EXPECT_EQ(BahnfolgeAnzahl, 1);
}

// Players 1, 9, 2, ... in turn; each starts in the first free round of his
// first lane. Lanes that would run past round 25, a player with no free round
// and a lane outside the range are left out and named.
TEST_F(Startfolge, PlanStaysWithinItsRowsAndRounds)
{
    StartfolgeBereichSetzen(QStringLiteral("Bahn 1 bis 2"));
    for (int p = 1; p <= 5; ++p) folge(p, {1, 1, 1, 1});  // rounds 1..20 of lane 1
    folge(6, {1, 1, 1});                                  // 21..23
    folge(7, {1, 1, 1, 1});                               // 24, 25, then no room
    folge(8, {2});
    folge(16, {1});  // lane 1 has no free round left
    folge(15, {2, 3});  // lane 3 is not in the plan (set past the editor)
    const StartplanBau bau = StartplanBauen();
    EXPECT_EQ(zeile(bau.plan, 1), std::vector<int>({1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4,
                                                    4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 7, 7}));
    // Player 15 starts on lane 2 in round 1 (before player 8 in the order).
    EXPECT_EQ(zeile(bau.plan, 2), runden({15, 8}));
    for (long r = 3; r <= MaxStartplanBahnen; ++r) EXPECT_EQ(zeile(bau.plan, r), runden({})) << r;
    EXPECT_EQ(bau.ausgelassen, QStringList({
                                   "Heim 7, Bahn 01: nach Runde 25",
                                   "Heim 7, Bahn 01: nach Runde 25",
                                   "Gast 7, Bahn 03: nicht im Bereich Bahn 1 bis 2",
                                   "Gast 8, Bahn 01: keine freie Runde",
                               }));
}

TEST_F(Startfolge, SavingWritesTheSectionOfThePresetAndKeepsTheOthers)
{
    StartfolgeBereichSetzen(QStringLiteral("Bahn 1 bis 2"));
    folge(1, {1, 2});
    folge(9, {2, 1});
    folge(2, {1, 2});  // lane 1 is taken in rounds 1, 2: he starts in round 3
    const QByteArray abschnitt = "[Coord_3]\r\n" + zeilenText({1, 9, 2}) + zeilenText({9, 1, 0, 2}) +
                                 zeilenText({}) + zeilenText({}) + zeilenText({}) + zeilenText({});

    ASSERT_TRUE(StartfolgeSpeichern(3));
    EXPECT_EQ(datei(), abschnitt);

    // The section of preset 3 in a file with others: exactly its six rows change.
    const QByteArray alt = "[Coord_3]\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n";
    const QByteArray vorn = "[Coord_1]\r\n" + zeilenText({5}) + "\r\n\r\n\r\n\r\n\r\nfremd\r\n";
    // Heads are matched exactly: "[coord_12]" is not the section of preset 12.
    const QByteArray hinten = "[Coord_7]\r\n7,7\r\n\r\n\r\n\r\n\r\n\r\n[coord_12]\r\n";
    dateiSchreiben(vorn + alt + hinten);
    ASSERT_TRUE(StartfolgeSpeichern(3));
    EXPECT_EQ(datei(), vorn + abschnitt + hinten);

    // A preset without a section is appended.
    ASSERT_TRUE(StartfolgeSpeichern(12));
    EXPECT_EQ(datei(), vorn + abschnitt + hinten + QByteArray(abschnitt).replace("[Coord_3]", "[Coord_12]"));
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
}

TEST_F(Startfolge, AFailedWriteIsReportedAndNotSuccess)
{
    Datenverzeichnis = ordner.filePath(QStringLiteral("fehlt"));
    EXPECT_FALSE(StartfolgeSpeichern(0));
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);
}

TEST_F(Startfolge, ReadingChangesOnlyTheRowsAskedFor)
{
    auto w = std::make_unique<TWettkampfDaten>();
    for (auto& r : w->Startfolge) r.fill(77);
    const auto unveraendert = [&](long von) {
        for (long r = von; r <= MaxStartplanBahnen; ++r)
            EXPECT_EQ(zeile(w->Startfolge, r), std::vector<int>(MaxStartplanRunden, 77)) << r;
    };
    EXPECT_FALSE(StartfolgeLaden(*w, 4, 2));  // no file
    unveraendert(1);

    dateiSchreiben("[Coord_14]\r\n3,3\r\n[Coord_4]\r\n1,9,,2\r\n9,1\r\n5,5\r\n5\r\n5\r\n5\r\n");
    EXPECT_FALSE(StartfolgeLaden(*w, 5, 2));  // no section
    unveraendert(1);

    ASSERT_TRUE(StartfolgeLaden(*w, 4, 2));
    EXPECT_EQ(std::pair(zeile(w->Startfolge, 1), zeile(w->Startfolge, 2)), std::pair(runden({1, 9, 0, 2}), runden({9, 1})));
    unveraendert(3);
}

}  // namespace
