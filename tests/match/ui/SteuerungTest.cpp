#include "match/ui/Steuerung.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "support/Grundlage.h"
#include "support/Sendepuffer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using Rahmen = QList<int>;

// Lanes 1..6, lane 2 online, CAN on; the window shows lane 2.
class Steuerung : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        CanAktiv = 1;
        BahnAnzahl = 6;
        BahnDaten[2].BahnOnline = 1;
        w = std::make_unique<TSteuerung>();
        w->BahnsteuerungAnzeigen(2);
    }
    void TearDown() override
    {
        w.reset();
        Grundlage::TearDown();
    }

    // The frames queued for the lane since the last call, as bytes.
    static QList<Rahmen> gesendet(int bahn)
    {
        auto r = GesendeteRahmen<QList<Rahmen>>(bahn);
        CanSendenZuruecksetzen();
        return r;
    }
    void taste(Qt::Key k)
    {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &e);
    }

    std::unique_ptr<TSteuerung> w;
};

TEST_F(Steuerung, ControlsAreNamedAndFollowTheLane)
{
    EXPECT_EQ(w->windowTitle(), "Bahnsteuerung");
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w->BtnBahn[6]->isHidden());
    EXPECT_TRUE(w->BtnBahn[7]->isHidden());
    EXPECT_EQ(w->Bahn(), 2);
    EXPECT_TRUE(w->BtnBahn[2]->isChecked());
    EXPECT_EQ(w->BtnBahnEin->text(), "Bahn Aus");
    EXPECT_FALSE(w->PAnzeige->isHidden());

    BahnDaten[2].WurfHolz = 8;
    BahnDaten[2].StatusWort = 0x0010;
    w->BahnsteuerungAnzeigen(2);
    EXPECT_EQ(w->PAnzeigeHolz->text(), "8");
    EXPECT_TRUE(w->BtnVolle->gedrueckt());

    // Lane 3 offline: only BtnBahnEin of the keypad, display hidden.
    w->BtnBahn[3]->click();
    EXPECT_EQ(w->Bahn(), 3);
    EXPECT_EQ(w->BtnBahnEin->text(), "Bahn Ein");
    EXPECT_FALSE(w->BtnBahnEin->isHidden());
    EXPECT_TRUE(w->PAnzeige->isHidden());
    EXPECT_TRUE(w->BtnVolle->isHidden());
    EXPECT_EQ(w->PAnzeigeHolz->text(), "0");
}

TEST_F(Steuerung, KeypadPinsAndValuePanelsSendTheirFrames)
{
    gesendet(2);
    w->BtnVolle->click();
    w->BtnZeit->click();
    EXPECT_EQ(w->BtnZeit->text(), "Zeit Start");
    for (int k : {1, 5, 9, 2}) w->BtnKegel[k]->click();
    w->BtnKegel[2]->click();
    EXPECT_FALSE(w->LedKegel[5]->isHidden());
    EXPECT_TRUE(w->LedKegel[2]->isHidden());
    w->BtnStellen->click();
    w->BtnBildLoeschen->click();
    w->BtnStellen->click();

    skriptBoxen().eingaben = {QStringLiteral("37"), std::nullopt};
    w->PAnzeigeTotal->click();
    w->PAnzeigeGesamt->click();
    ASSERT_EQ(skriptBoxen().anfragen.size(), 2);
    EXPECT_EQ(skriptBoxen().anfragen[0].beschriftung, "Total:");
    EXPECT_EQ(skriptBoxen().anfragen[0].text, "0000");
    EXPECT_EQ(skriptBoxen().anfragen[1].beschriftung, "Gesamt:");
    EXPECT_EQ(gesendet(2), (QList<Rahmen>{{34, 'Q'}, {34, 'U'}, {33, 0x11, 0x01}, {33, 0, 0}, {35, 163, 0, 0, 3, 7}}));

    // An offline lane: the throw number goes out, the keypad sends nothing.
    w->BahnsteuerungAnzeigen(3);
    skriptBoxen().eingaben = {QStringLiteral("7")};
    w->PAnzeigeWurf->click();
    w->BtnVolle->click();
    EXPECT_EQ(gesendet(3), (QList<Rahmen>{{35, 161, 0, 0, 7}}));
}

TEST_F(Steuerung, ThrowPanelsAreLockedUntilTheTimerOrAnotherLane)
{
    const auto gesperrt = [this] {
        return !w->BtnWurfUngueltig->isEnabled() && !w->BtnWurfFehler->isEnabled() && w->Timer1->enabled();
    };
    w->BtnWurfFehler->click();
    EXPECT_TRUE(gesperrt());
    EXPECT_EQ(gesendet(2), (QList<Rahmen>{{34, 'q'}}));
    w->BtnWurfUngueltig->click();  // locked: nothing
    EXPECT_TRUE(gesendet(2).isEmpty());
    w->Timer1->tick();
    EXPECT_TRUE(w->BtnWurfUngueltig->isEnabled() && w->BtnWurfFehler->isEnabled());
    EXPECT_FALSE(w->Timer1->enabled());

    w->BtnWurfUngueltig->click();
    EXPECT_TRUE(gesperrt());
    w->BtnBahn[1]->click();
    EXPECT_FALSE(gesperrt());

    // Showing the window again unlocks them too.
    w->BtnWurfUngueltig->click();
    w->show();
    EXPECT_FALSE(gesperrt());
    EXPECT_TRUE(w->BtnWurfUngueltig->isEnabled());
}

TEST_F(Steuerung, ShowingAndHidingMarkTheWindowOpenAndDigitKeysChooseLanes)
{
    gesendet(2);
    w->show();
    EXPECT_TRUE(OffeneFenster & FensterBahnsteuerung);
    EXPECT_EQ(gesendet(2), QList<Rahmen>{{42}});
    EXPECT_EQ(fenster.aufrufe, QStringList{"menue"});

    BahnAnzahl = 4;
    taste(Qt::Key_6);
    EXPECT_EQ(w->Bahn(), 2);
    taste(Qt::Key_3);
    EXPECT_EQ(w->Bahn(), 3);

    w->BtnZurueck->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(OffeneFenster & FensterBahnsteuerung);
    EXPECT_EQ(fenster.aufrufe, (QStringList{"menue", "menue"}));

    // The same window, modally (from the lane overview).
    bool modal = false;
    QTimer::singleShot(0, w.get(), [&] {
        modal = w->isModal() && w->isVisible();
        w->BtnZurueck->click();
    });
    w->exec();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(OffeneFenster & FensterBahnsteuerung);
}

TEST_F(Steuerung, SpielStartRunsTheMainCommandAndFollowsTheMatch)
{
    TWettkampfDaten& m = Wettkaempfe[1];
    BahnDaten[2].Wettk = &m;
    m.Gestoppt = 1;
    int aufrufe = 0;
    w->spielStart = [&](int bahn) {
        EXPECT_EQ(bahn, 2);  // the lane shown
        ++aufrufe;
        m.Gestoppt = 0;
    };
    w->BtnSpielStart->click();
    EXPECT_EQ(aufrufe, 1);
    EXPECT_EQ(w->BtnSpielStart->text(), "Spiel Stop");
    EXPECT_FALSE(w->BtnZeitStart->isHidden());
}

}  // namespace

