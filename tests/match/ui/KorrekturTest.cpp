#include "match/ui/Korrektur.h"

#include "core/Boxes.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "support/Korrekturlage.h"
#include "support/QtDrucken.h"
#include "support/Sendepuffer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using Rahmen = QList<int>;

// Player 1 on lane 1 has thrown 7 and 5; the panel shows lane 1.
class Korrektur : public Korrekturlage {
protected:
    void SetUp() override
    {
        Korrekturlage::SetUp();
        holz(1, 7), holz(1, 5);
        CanSendenZuruecksetzen();
        fenster.geoeffnet << MdiFenster::Wettkampf;
        w = std::make_unique<TKorrektur>(nullptr, 1);
        w->show();
        bahnfenster.aufrufe.clear();
    }
    void TearDown() override
    {
        w.reset();
        Korrekturlage::TearDown();
    }
    const QStringList schliessenFolge{"uebersicht 1", "uebersicht zeigen", "steuerung nach vorn"};
    std::unique_ptr<TKorrektur> w;
};

TEST_F(Korrektur, ShowsTheLaneAndFitsTheSmallestScreen)
{
    EXPECT_EQ(w->windowTitle(), "Korrektur Bahn 1");
    EXPECT_EQ(TKorrektur::offen(), w.get());
    EXPECT_EQ(w->EVolle->text(), "75");
    EXPECT_EQ(w->EVolle->maxLength(), 3);
    EXPECT_LE(w->width(), 1024);
    EXPECT_LE(w->height(), 768);

    // A lane frame refreshes the panel; a field being edited keeps its text.
    BahnDaten[1].BahnGestoppt = 1;
    w->EVolle->setText("95");
    w->EVolle->setModified(true);
    w->KorrekturUp();
    EXPECT_EQ(w->LStop->text(), "Bahn Start");
    EXPECT_EQ(w->EVolle->text(), "95");
}

TEST_F(Korrektur, CorrectionBooksSendsAndCloses)
{
    w->EVolle->setText("95");
    w->BtnAusbessernPCBahn->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(TKorrektur::offen(), nullptr);
    EXPECT_EQ(BahnDaten[1].BahnGesamt, 14);
    EXPECT_EQ(GesendeteRahmen(1).front(), (Rahmen{35, 169, 1, 7, 9}));
    EXPECT_TRUE(fenster.aufrufe.contains("aktualisieren 0"));
    for (const QString& s : schliessenFolge) EXPECT_TRUE(bahnfenster.aufrufe.contains(s)) << s.toStdString();
}

TEST_F(Korrektur, CommandShapesAndLetterKeys)
{
    // A letter in a throw field is refused; a digit overwrites the throw
    // under the cursor, and past the last one it adds a throw.
    w->EVolle->setFocus();
    w->EVolle->setCursorPosition(1);
    for (auto [k, t] : {std::pair{Qt::Key_A, "a"}, {Qt::Key_3, "3"}, {Qt::Key_4, "4"}}) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, QString::fromLatin1(t));
        QApplication::sendEvent(w->EVolle, &e);
    }
    EXPECT_EQ(w->EVolle->text(), "734");

    w->SStop->click();
    EXPECT_EQ(GesendeteRahmen(1), (QList<Rahmen>{{34, 'n'}}));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(bahnfenster.aufrufe, schliessenFolge);
}

TEST_F(Korrektur, SubstitutionAnsweredNoOrClosedDoesNothing)
{
    skriptBoxen().antworten = {ErgebnisNein, ErgebnisAbbrechen};
    w->SErsatz1->click();
    w->SErsatz1->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(BahnDaten[1].SpielerNr, 1);
    skriptBoxen().antworten = {ErgebnisJa};
    w->SErsatz1->click();
    EXPECT_EQ(BahnDaten[1].SpielerNr, 7);
    EXPECT_FALSE(w->isVisible());

    // Closing by "Zurück" refreshes as well.
    w->show();
    bahnfenster.aufrufe.clear();
    w->BtnZurueck->click();
    EXPECT_EQ(bahnfenster.aufrufe, schliessenFolge);
}

}  // namespace
