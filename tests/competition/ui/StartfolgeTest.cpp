#include "competition/ui/Startfolge.h"

#include "competition/Startfolge.h"
#include "core/Boxes.h"
#include "core/SettingsFile.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class StartfolgeFenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        m_alt = Datenverzeichnis;
        Datenverzeichnis = ordner.path();
        startfolgeZustand.zuruecksetzen();
        skriptBoxen().gezeigt.clear();
        dialog.BahnText = QStringLiteral("Bahn 3 bis 4");
        dialog.Vorwahl = 2;
        dialog.show();
    }
    void TearDown() override
    {
        Datenverzeichnis = m_alt;
        startfolgeZustand.zuruecksetzen();
        skriptBoxen().gezeigt.clear();
    }
    void tippen(const QString& text)
    {
        dialog.EStartfolge->setText(text);
        emit dialog.EStartfolge->editingFinished();
    }

    QTemporaryDir ordner;
    TStartfolge dialog;

private:
    QString m_alt;
};

// Only the lanes of the range are offered; the chosen player's lanes come
// from clicks and typing, typed ones outside the range are refused.
TEST_F(StartfolgeFenster, ChoosesLanesOfTheRangeForEachPlayer)
{
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) EXPECT_EQ(dialog.ImageBahn[bahn]->isVisible(), bahn == 3 || bahn == 4) << bahn;
    dialog.CSpieler->setCurrentIndex(8);
    dialog.ImageBahn[4]->click();
    dialog.ImageBahn[3]->click();
    EXPECT_EQ(dialog.EStartfolge->text(), QStringLiteral("04-03"));

    dialog.CSpieler->setCurrentIndex(0);
    tippen(QStringLiteral("3-4"));
    tippen(QStringLiteral("3-5"));
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_EQ(dialog.EStartfolge->text(), QStringLiteral("03-04"));  // refused, his lanes shown again

    dialog.CSpieler->setCurrentIndex(8);
    EXPECT_EQ(dialog.EStartfolge->text(), QStringLiteral("04-03"));
    dialog.BtnEingabeLoeschen->click();
    EXPECT_EQ(BahnfolgeText(9), QString());
    EXPECT_EQ(BahnfolgeText(1), QStringLiteral("03-04"));

    dialog.BtnOk->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    QFile f(ordner.filePath(QStringLiteral("Startfolge.inf")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("[Coord_2]\r\n1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,1,0,"));

    dialog.BtnLoeschen->click();
    for (int nr = 1; nr <= MaxSpieler; ++nr) EXPECT_EQ(BahnfolgeText(nr), QString()) << nr;
}

}  // namespace
