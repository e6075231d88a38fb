#include "competition/Spielleitung.h"

#include "core/Boxes.h"
#include "core/SettingsFile.h"
#include "support/QtDrucken.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <ostream>

namespace {

// An empty data folder of its own.
class Spielleitung : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        m_alt = Datenverzeichnis;
        Datenverzeichnis = ordner.path();
        spielleitungZustand.zuruecksetzen();
        skriptBoxen().gezeigt.clear();
        w = std::make_unique<TWettkampfDaten>();
    }
    void TearDown() override
    {
        Datenverzeichnis = m_alt;
        spielleitungZustand.zuruecksetzen();
        skriptBoxen().gezeigt.clear();
    }
    // The enabled state of back, forward and delete.
    static void knoepfe(bool zurueck, bool vor, bool loeschen)
    {
        const SpielleiterKnoepfe k = SpielleiterKnopfzustand();
        EXPECT_EQ(std::tuple(k.zurueck, k.vor, k.loeschen), std::tuple(zurueck, vor, loeschen));
    }

    QTemporaryDir ordner;
    std::unique_ptr<TWettkampfDaten> w;

private:
    QString m_alt;
};

TEST_F(Spielleitung, LineSplitsIntoFiveFieldsMissingOnesEmpty)
{
    const struct {
        const char* zeile;
        SpielleiterFelder felder;
    } faelle[] = {
        {"Meier;Hauptstr. 1;53111;Bonn;0228 1", {"Meier", "Hauptstr. 1", "53111", "Bonn", "0228 1"}},
        {"Meier;Weg 2", {"Meier", "Weg 2", "", "", ""}},
        {"", {"", "", "", "", ""}},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(SpielleiterZerlegen(QString::fromUtf8(f.zeile)), f.felder) << f.zeile;
        if (QByteArray(f.zeile).count(';') == 4) {
            EXPECT_EQ(SpielleiterVerbinden(f.felder), QString::fromUtf8(f.zeile));
        }
    }
}

TEST_F(Spielleitung, SearchTakesTheFirstNameContainingTheTextAndActivationFallsBack)
{
    EXPECT_FALSE(SpielleiterSuchen(QStringLiteral("Meier")));  // empty list
    SpielleiterListe = {QStringLiteral("Anna Berg;Meierweg 1;;Bonn;"), QStringLiteral("Karl Meier;;;;"),
                        QStringLiteral("Meierhof;;;;"), QStringLiteral("Hans Sommer;;;Bonn;")};
    EXPECT_TRUE(SpielleiterSuchen(QStringLiteral("Meier")));
    EXPECT_FALSE(SpielleiterSuchen(QStringLiteral("Bonn")));
    EXPECT_EQ(SpielleiterIndex, 1);  // not line 0: only the name counts

    // The match's official first, then its referee, else line 0.
    const struct {
        const char* leiter;
        const char* schiri;
        int index;
    } faelle[] = {{"Sommer", "Meier", 3}, {"", "Meierhof", 2}, {"Xaver", "Meier", 0}, {"", "", 0}};
    for (const auto& f : faelle) {
        SpielleiterIndex = 1;
        w->Spielleiter.Name = f.leiter;
        w->Schiedsrichter = f.schiri;
        SpielleiterAktivieren(*w);
        EXPECT_EQ(SpielleiterIndex, f.index) << f.leiter << "/" << f.schiri;
    }
    knoepfe(false, true, true);

    // Stepping stops at both ends of the list.
    SpielleiterZurueck();
    EXPECT_EQ(SpielleiterIndex, 0);
    for (int i = 0; i < 4; ++i) SpielleiterVor();
    EXPECT_EQ(SpielleiterIndex, 3);
    knoepfe(true, false, true);
    EXPECT_EQ(SpielleiterAnzeigen(SpielleiterIndex)[0], QStringLiteral("Hans Sommer"));
}

TEST_F(Spielleitung, NewChangeDeleteAndSaveKeepTheFileInWindows1252)
{
    SpielleiterLaden();  // no file yet
    knoepfe(false, false, false);
    w->Schiedsrichter = "Otto";
    EXPECT_FALSE(SpielleiterNeu({"", "Weg 1"}, *w));  // without a name nothing happens
    SpielleiterLoeschen();  // nothing to delete
    EXPECT_TRUE(SpielleiterListe.isEmpty());

    // A ";" of a field would split the line: it becomes ",".
    EXPECT_EQ(SpielleiterVerbinden({"Bär; Jörg", "Weg;1", "", ";", "0221"}), QStringLiteral("Bär, Jörg;Weg,1;;,;0221"));
    ASSERT_TRUE(SpielleiterNeu({"Jörg Bär", "Hauptstraße 5", "50667", "Köln", "0221 12"}, *w));
    EXPECT_EQ(SpielleiterListe, QStringList({QStringLiteral("Jörg Bär;Hauptstraße 5;50667;Köln;0221 12"),
                                             QStringLiteral("Otto;;;;")}));
    EXPECT_EQ(SpielleiterIndex, 1);
    knoepfe(true, false, true);

    SpielleiterAendern({"Otto", "Weg 1", "", "", ""});
    ASSERT_TRUE(SpielleiterSpeichern({"Otto", "Weg 1", "", "Bonn", ""}));
    QFile f(SpielleiterDatei());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("J\xF6rg B\xE4r;Hauptstra\xDF" "e 5;50667;K\xF6ln;0221 12\r\nOtto;Weg 1;;Bonn;\r\n"));

    SpielleiterLoeschen();
    EXPECT_EQ(SpielleiterIndex, 0);
    knoepfe(false, false, true);
    SpielleiterLoeschen();
    EXPECT_TRUE(SpielleiterListe.isEmpty());
    knoepfe(false, false, false);

    SpielleiterLaden();  // the saved file is unchanged by the deletes, and reads back
    EXPECT_EQ(SpielleiterAnzeigen(0), SpielleiterFelder({"Jörg Bär", "Hauptstraße 5", "50667", "Köln", "0221 12"}));
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
}

TEST_F(Spielleitung, FailedSaveIsReported)
{
    Datenverzeichnis = ordner.filePath(QStringLiteral("fehlt"));
    EXPECT_FALSE(SpielleiterSpeichern({"Meier"}));
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_TRUE(skriptBoxen().gezeigt[0].startsWith(QStringLiteral("Die Liste der Spielleiter wurde nicht gespeichert.")));
}

}  // namespace
