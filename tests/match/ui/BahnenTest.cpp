#include "core/Globals.h"
#include "match/lanes/Bahnuebersicht.h"
#include "match/flow/TimerModul.h"
#include "match/ui/Bahnen.h"
#include "support/Grundlage.h"
#include "support/Teilstart.h"
#include "support/Klicken.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Six lanes, one match playing on all of them (players 1, 9, 2, 10, 3, 11).
class Bahnen : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        BahnAnzahl = 6;
        TWettkampfDaten& m = Wettkaempfe[1];
        m.ErsteSpielbahn = 1;
        m.LetzteSpielbahn = 6;
        m.Gestartet = 1;
        m.Volle = m.Abraeumen = 50;
        const int spieler[] = {1, 9, 2, 10, 3, 11};
        for (int b = 1; b <= 6; ++b) {
            TeilLaeuft(m, b, spieler[b - 1]);
            m.Spieler[spieler[b - 1]].Name.setzen(("Spieler " + std::to_string(spieler[b - 1])).c_str());
        }
    }

    template <typename T = QLabel>
    static T* c(TBahnen& w, const QString& name)
    {
        T* x = w.findChild<T*>(name);
        EXPECT_TRUE(x) << name.toStdString();
        return x;
    }
    static QString text(TBahnen& w, const QString& name) { return c(w, name)->text(); }

    // Near the top left corner: on the window that is its background.
    static void klick(QWidget* ziel, Qt::MouseButton knopf = Qt::LeftButton) { Klicken(ziel, knopf, QPointF(3, 3)); }
};

// The panels' texts are compared with the records in the whole-match test.
TEST_F(Bahnen, ShowRegistersAndDrawsTheFirstPage)
{
    BahnDaten[2].BahnStatus = 1;
    BahnDaten[4].BahnStatus = 0;
    AktivesFenster = FensterErgebnis;
    TBahnen w;
    w.show();
    EXPECT_EQ(AktivesFenster, FensterBahnuebersicht);
    EXPECT_TRUE(OffeneFenster & FensterBahnuebersicht);
    EXPECT_EQ(text(w, "LBahn3"), QStringLiteral("Bahn 3"));
    EXPECT_EQ(w.Felder[3].Name->text(), QStringLiteral("Spieler 2"));
    EXPECT_EQ(c<QFrame>(w, "PBahn1")->height(), 580);
    EXPECT_EQ(c<QFrame>(w, "PBahn2")->height(), 30);
    EXPECT_TRUE(c<QFrame>(w, "PBahn4")->isHidden() && c<QFrame>(w, "PName4")->isHidden()) << "lane 4 free";
    EXPECT_TRUE(c(w, "LBahn1PunkteS")->isHidden());
    EXPECT_TRUE(c<QPushButton>(w, "BtnLinks")->isHidden());
    EXPECT_FALSE(c<QPushButton>(w, "BtnRechts")->isHidden());
    EXPECT_EQ(w.pos(), QPoint(0, 0));
}

TEST_F(Bahnen, PagingRedrawsTheLanesUnlessInputIsLocked)
{
    TBahnen w;
    w.show();
    w.BtnRechts->click();
    EXPECT_EQ(text(w, "LBahn1"), QStringLiteral("Bahn 3"));
    EXPECT_EQ(text(w, "LBahn4"), QStringLiteral("Bahn 6"));
    EXPECT_TRUE(w.BtnRechts->isHidden());
    EXPECT_FALSE(w.BtnLinks->isHidden());

    EingabeGesperrt = 1;
    w.BtnLinks->click();
    EXPECT_EQ(text(w, "LBahn1"), QStringLiteral("Bahn 3"));
    EingabeGesperrt = 0;
    w.BtnLinks->click();
    EXPECT_EQ(text(w, "LBahn1"), QStringLiteral("Bahn 1"));
}

TEST_F(Bahnen, ClicksOnAPanelReachTheLane)
{
    ErsteAnzeigebahn = 3;
    TBahnen w;
    QList<int> steuerung;
    w.bahnsteuerungModal = [&](int bahn) { steuerung << bahn; };
    w.show();

    klick(c(w, "LBahn3Status"), Qt::RightButton);
    EXPECT_EQ(steuerung, QList<int>{5});
    klick(c<QFrame>(w, "PBahn2"));
    klick(c(w, "LBahn4W1"));
    EXPECT_EQ(fenster.dialoge, (QList<std::pair<Dialog, int>>{{Dialog::Korrektur, 4}, {Dialog::Korrektur, 6}}));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(Bahnen, BackgroundClickHidesAndRestoresTheActiveWindow)
{
    AktivesFenster = FensterSpielbericht;
    TBahnen w;
    w.show();
    EingabeGesperrt = 1;
    klick(&w);
    EXPECT_TRUE(w.isVisible());
    EingabeGesperrt = 0;
    klick(&w);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(AktivesFenster, FensterSpielbericht);
    EXPECT_FALSE(OffeneFenster & FensterBahnuebersicht);
    EXPECT_EQ(fenster.aufrufe, QStringList{QStringLiteral("oeffnen 2")});
}

}  // namespace
