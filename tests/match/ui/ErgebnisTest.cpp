#include "match/ui/Ergebnis.h"

#include "core/Globals.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/TimerModul.h"
#include "match/ui/Fensterregistrierung.h"
#include "support/Grundlage.h"
#include "support/QtDrucken.h"
#include "support/Klicken.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <ostream>

namespace {

// Near the top left corner: on a group box that is its background, not a label.
void klicken(QWidget* w) { Klicken(w, Qt::LeftButton, QPointF(3, 3)); }

// The result table of match 1, opened through the window hub.
class Ergebnis : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        MatchFensterRegistrieren(hub);
        hub.registrieren(Dialog::Spielerdaten, [this](QWidget*) -> QDialog* {
            dialoge << AktSpielerNr;
            spieler = AktSpieler;
            return nullptr;
        });
        hub.menueAktualisieren = [this] { ++menues; };
        AktWettkampfNr = 1;
        AktWettkampf = &w;
        w.Heimmannschaft = "Adler 2";
        w.Gastmannschaft = "KSV Eiche";
        w.Spieleranzahl = 5;
        w.Spieler[1].Name.setzenText(QStringLiteral("Hans Groß"));  // Windows-1252 in the record
        w.Spieler[9].Name = "Otto Roth";
    }

    TErgebnis* oeffnen()
    {
        hub.oeffnen(MdiFenster::Ergebnis);
        return qobject_cast<TErgebnis*>(hub.mdiFenster(MdiFenster::Ergebnis));
    }

    TWettkampfDaten& w = Wettkaempfe[1];
    Fensterhub hub;
    FensterDiensteEinsetzen m_hub{&hub};
    QList<int> dialoge;
    TSpielerEintrag* spieler = nullptr;
    int menues = 0;
};

// The lines' values, the totals and the refresh per throw are compared
// with the records in the whole-match test.
TEST_F(Ergebnis, OpensThroughTheHubWithTheMatch)
{
    TErgebnis* e = oeffnen();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Ergebnistafel  Adler 2 - KSV Eiche"));
    EXPECT_TRUE(OffeneFenster & FensterErgebnis);
    EXPECT_EQ(e->LHeim->text(), QStringLiteral("Adler 2"));
    EXPECT_EQ(e->findChild<QLabel*>(QStringLiteral("LHeimName1"))->text(), QStringLiteral("Hans Groß"));
    EXPECT_EQ(e->findChild<QLabel*>(QStringLiteral("LSGastSpieler1Name"))->text(), QStringLiteral("Otto Roth"));
    // Five players, nobody brought in: plain layout, line 6 hidden, line 7 a name only.
    EXPECT_TRUE(e->GHeim->isVisible());
    EXPECT_FALSE(e->GSHeim->isVisible());
    EXPECT_FALSE(e->findChild<QLabel*>(QStringLiteral("LGastName6"))->isVisible());
    EXPECT_FALSE(e->findChild<QLabel*>(QStringLiteral("LGastVolle7"))->isVisible());
    EXPECT_EQ(e->findChild<QLabel*>(QStringLiteral("LGastName7"))->y(), 308);
    EXPECT_FALSE(e->LHeaderPunkte->isVisible());
}

TEST_F(Ergebnis, ActivationRebuildsOnlyWhenAnotherWindowWasActive)
{
    TErgebnis* e = oeffnen();
    ASSERT_TRUE(e);
    w.Satzanzeige = 1;
    AktivesFenster = FensterErgebnis;
    e->FormActivate();
    EXPECT_FALSE(e->GSHeim->isVisible());

    AktivesFenster = FensterWettkampf;
    const int vorher = menues;
    e->FormActivate();
    EXPECT_EQ(AktivesFenster, FensterErgebnis);
    EXPECT_EQ(menues, vorher + 1);
    EXPECT_TRUE(e->GSHeim->isVisible());
    EXPECT_FALSE(e->GHeim->isVisible());
    EXPECT_EQ(e->findChild<QLabel*>(QStringLiteral("LSHeimSpieler7Name"))->y(), 284);
}

TEST_F(Ergebnis, NameClickOpensThePlayerDialogSetPointsDoNothing)
{
    TErgebnis* e = oeffnen();
    ASSERT_TRUE(e);
    OffeneFenster |= FensterBahnsteuerung;
    klicken(e->Zeilen[10].Name);
    EXPECT_EQ(dialoge, QList<int>({10}));
    EXPECT_EQ(spieler, &w.Spieler[10]);
    EXPECT_EQ(bahnfenster.aufrufe, QStringList({"steuerung verbergen"}));

    klicken(e->Zeilen[3].SPunkte);
    klicken(e->Zeilen[3].Volle);
    EXPECT_EQ(dialoge, QList<int>({10}));
    EXPECT_TRUE(hub.offen(MdiFenster::Ergebnis));
}

TEST_F(Ergebnis, BackgroundClickClosesUnlessInputIsLocked)
{
    QPointer<TErgebnis> e = oeffnen();
    ASSERT_TRUE(e);
    EingabeGesperrt = 1;
    klicken(e->GHeim);
    EXPECT_TRUE(hub.offen(MdiFenster::Ergebnis));

    EingabeGesperrt = 0;
    AktivesFenster = FensterErgebnis;
    klicken(e->PErgebnis);
    EXPECT_FALSE(hub.offen(MdiFenster::Ergebnis));
    EXPECT_FALSE(OffeneFenster & FensterErgebnis);
    EXPECT_EQ(AktivesFenster, 0);
}

}  // namespace
