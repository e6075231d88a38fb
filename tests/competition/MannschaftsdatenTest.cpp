#include "competition/Mannschaftsdaten.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "support/QtDrucken.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <ostream>

namespace {

class Mannschaftsdaten : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        GlobalsZuruecksetzen();
        m_inf = InfDatei;
        InfDatei = ordner.filePath(QStringLiteral("Bravolin.inf"));
        skriptBoxen().gezeigt.clear();
        w = std::make_unique<TWettkampfDaten>();
    }
    void TearDown() override
    {
        InfDatei = m_inf;
        GlobalsZuruecksetzen();
        skriptBoxen().gezeigt.clear();
    }

    QTemporaryDir ordner;
    std::unique_ptr<TWettkampfDaten> w;

private:
    QString m_inf;
};

TEST_F(Mannschaftsdaten, GuestLabelsHaveNoColon)
{
    EXPECT_EQ(FeldBeschriftung(QStringLiteral("Schiedsgericht"), false), QStringLiteral("Schiedsgericht"));
    EXPECT_EQ(FeldBeschriftung(QStringLiteral("Schiedsgericht"), true), QStringLiteral("Schiedsgericht:"));
}

TEST_F(Mannschaftsdaten, HighestNamedFieldCountsAndIsDeletedFirst)
{
    Einst.FormularFeldNamen[6] = QStringLiteral("Zuschauer");  // guest field 1
    Einst.FormularFeldNamen[8] = QStringLiteral("Halle");      // guest field 3
    Einst.FormularFeldNamen[2] = QStringLiteral("Heim 2");     // home only
    Feldnamen f = FeldnamenLesen(false);
    EXPECT_EQ(std::tuple(f.Feldanzahl, f.AktFeld), std::tuple(3, 1));
    EXPECT_TRUE(f.sichtbar[1] && !f.sichtbar[2] && f.sichtbar[3]);

    ASSERT_TRUE(FeldLoeschen(f));
    EXPECT_EQ(std::tuple(f.Feldanzahl, f.namen[1], f.namen[3], f.sichtbar[3]),
              std::tuple(2, QStringLiteral("Zuschauer"), QString(), false));

    // A new field follows the count and becomes the current one.
    ASSERT_TRUE(FeldNeu(f, QStringLiteral("Bahnen")));
    EXPECT_EQ(std::tuple(f.Feldanzahl, f.AktFeld, f.namen[3]), std::tuple(3, 3, QStringLiteral("Bahnen")));
    for (int i = 4; i <= 5; ++i) ASSERT_TRUE(FeldNeu(f, QStringLiteral("F%1").arg(i)));
    EXPECT_FALSE(FeldNeu(f, QStringLiteral("F6")));
    EXPECT_EQ(f.Feldanzahl, 5);
}

TEST_F(Mannschaftsdaten, OkStoresTheSideAndWritesEveryNameEvenEmpty)
{
    InfListe = {QStringLiteral("[Formular]"), QStringLiteral("FormularFeldName1 = Alt"), QString(),
                QStringLiteral("[Service]")};
    Einst.FormularFeldNamen[1] = QStringLiteral("Alt");
    Feldnamen f = FeldnamenLesen(true);
    ASSERT_TRUE(FeldLoeschen(f));
    Mannschaftswerte werte;
    werte.VorErgebnis = QStringLiteral("5123");
    werte.VorSaP = QStringLiteral("14");  // VorMaP: nothing typed, 0
    werte.VorTaP = QStringLiteral("2");
    for (int i = 1; i <= FreieFelder; ++i) werte.felder[i] = QStringLiteral("T%1").arg(i);
    w->Heim.VorMaP = 3;
    ASSERT_FALSE(MannschaftswerteFehler(werte));
    MannschaftsdatenSpeichern(*w, f, werte);

    EXPECT_EQ(std::tuple(w->Heim.VorTotal.text(), w->Heim.VorSaP, w->Heim.VorMaP, w->Heim.VorTaP, w->Gast.VorSaP),
              std::tuple(QStringLiteral("5123"), 14.0f, 0.0f, 2, 0.0f));
    EXPECT_EQ(std::tuple(w->FormularText[5], w->FormularText[6], w->Geaendert), std::tuple(QStringLiteral("T5"), QString(), 1));
    QStringList soll = {QStringLiteral("[Formular]")};
    for (int i = 1; i <= 5; ++i) soll << QStringLiteral("FormularFeldName%1 = ").arg(i);
    soll << QString() << QStringLiteral("[Service]");
    EXPECT_EQ(InfListe, soll);
    EXPECT_EQ(TextdateiLesen(InfDatei), soll);  // and saved

    // The guest side uses fields 6..10.
    werte.VorSaP = QStringLiteral("1,5");
    MannschaftsdatenSpeichern(*w, FeldnamenLesen(false), werte);
    EXPECT_EQ(w->Gast.VorSaP, 1.5f);
    EXPECT_EQ(w->FormularText[6], QStringLiteral("T1"));
    EXPECT_EQ(InfListe.size(), soll.size() + 5);

    werte.VorMaP = QStringLiteral("1x");
    const auto fehler = MannschaftswerteFehler(werte);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(*fehler, QStringLiteral("Die Mannschaftspunkte des Vorspiels „1x“ sind keine Zahl."));
}

}  // namespace
