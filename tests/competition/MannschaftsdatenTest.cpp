#include "competition/Mannschaftsdaten.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

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
    EXPECT_EQ(f.Feldanzahl, 3);
    EXPECT_EQ(f.AktFeld, 1);
    EXPECT_EQ(f.namen[2], QString());
    EXPECT_TRUE(f.sichtbar[1] && !f.sichtbar[2] && f.sichtbar[3]);

    ASSERT_TRUE(FeldLoeschen(f));
    EXPECT_EQ(f.namen[3], QString());
    EXPECT_EQ(f.namen[1], QStringLiteral("Zuschauer"));
    EXPECT_FALSE(f.sichtbar[3]);
    EXPECT_EQ(f.Feldanzahl, 2);

    // A new field follows the count and becomes the current one.
    ASSERT_TRUE(FeldNeu(f, QStringLiteral("Bahnen")));
    EXPECT_EQ(f.Feldanzahl, 3);
    EXPECT_EQ(f.AktFeld, 3);
    EXPECT_EQ(f.namen[3], QStringLiteral("Bahnen"));
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
    werte.VorSaP = QStringLiteral("14");
    werte.VorMaP = QString();  // nothing typed: 0
    werte.VorTaP = QStringLiteral("2");
    for (int i = 1; i <= FreieFelder; ++i) werte.felder[i] = QStringLiteral("T%1").arg(i);
    w->Heim.VorMaP = 3;
    ASSERT_FALSE(MannschaftswerteFehler(werte));
    MannschaftsdatenSpeichern(*w, f, werte);

    EXPECT_EQ(w->Heim.VorTotal.text(), QStringLiteral("5123"));
    EXPECT_EQ(w->Heim.VorSaP, 14.0f);
    EXPECT_EQ(w->Heim.VorMaP, 0.0f);
    EXPECT_EQ(w->Heim.VorTaP, 2);
    EXPECT_EQ(w->FormularText[5], QStringLiteral("T5"));
    EXPECT_EQ(w->FormularText[6], QString());
    EXPECT_EQ(w->Gast.VorSaP, 0.0f);
    EXPECT_EQ(Einst.FormularFeldNamen[1], QString());
    EXPECT_EQ(w->Geaendert, 1);
    const QStringList soll = {QStringLiteral("[Formular]"),           QStringLiteral("FormularFeldName1 = "),
                              QStringLiteral("FormularFeldName2 = "), QStringLiteral("FormularFeldName3 = "),
                              QStringLiteral("FormularFeldName4 = "), QStringLiteral("FormularFeldName5 = "),
                              QString(),                              QStringLiteral("[Service]")};
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
