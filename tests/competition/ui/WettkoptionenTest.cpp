#include "competition/ui/Wettkoptionen.h"

#include "competition/ui/Fensterregistrierung.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Startplaene.h"
#include "match/flow/Wettkampfslots.h"
#include "support/Grundlage.h"
#include "support/ImDialog.h"
#include "support/Klicken.h"
#include "support/Tippen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <tuple>

namespace {

// The options dialog of match 1, opened through the window hub.
class Wettkoptionen : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        CompetitionFensterRegistrieren(hub);
        AktWettkampfNr = 1;
        AktWettkampf = &w;
        w.Volle = w.Abraeumen = 25;
        w.Wurfzeit = 12;
    }

    // Runs `handeln` inside the modal dialog; true when it ended with OK.
    bool oeffnen(const std::function<void()>& handeln)
    {
        return ImDialog<TWettkoptionen>(hub, [] { return ::fenster().dialog(Dialog::Spieldaten); },
                                        [&](TWettkoptionen& dlg) { d = &dlg; handeln(); });
    }

    static void eingeben(QLineEdit* e, const QString& text) { e->setText(text); emit e->textEdited(text); }

    TWettkampfDaten& w = Wettkaempfe[1];
    Fensterhub hub;
    FensterDiensteEinsetzen m_hub{&hub};
    TWettkoptionen* d = nullptr;
};

}  // namespace

TEST_F(Wettkoptionen, OkWritesWhatWasChanged)
{
    Einst.Drucker[2].Schnittstelle = 1;
    const bool ok = oeffnen([&] {
        EXPECT_EQ(d->EWurfZeit->text(), "12");
        eingeben(d->EVolle, "30");
        eingeben(d->EAbr, "0");
        d->CBDrWurfblatt->click();
        d->CBDrZentral->click();
        d->CBPunktespiel->click();
        d->CBSVictory1Spiel->click();
        eingeben(d->ESVictory1Spiel, "40");  // above the match's 25 Volle
        EXPECT_EQ(d->ESVictory1Spiel->text(), "25");
        d->BtnOk->click();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(std::tuple(w.Volle, w.Abraeumen, w.Wurfzeit, w.DrWurfblatt, w.DrZentral, w.DrEinzelbahn),
              std::tuple(30, 0, 12, 1, 1, 0));
    EXPECT_EQ(std::tuple(w.Punktespiel, w.SVictory1Spiel, w.SVictoryWuerfe, w.Geaendert), std::tuple(1, 1, 25, 1));
}

TEST_F(Wettkoptionen, AbbrechenWritesNothing)
{
    const bool ok = oeffnen([&] {
        eingeben(d->EVolle, "30");
        d->CBPunktespiel->click();
        d->BtnAbbrechen->click();
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(std::tuple(w.Volle, w.Punktespiel, w.Geaendert), std::tuple(25, 0, 0));
}

// "Streichspiel" makes a side of eight with its own plan (four lanes: the
// plan for dropped results) while the match has not started; the throw
// counts typed stay, the preset is not applied again. A started match keeps
// its team and plan.
TEST_F(Wettkoptionen, DroppedResultsDeriveTeamSizeAndPlanBeforeTheStart)
{
    ASSERT_TRUE(WettkampfAnlegen());
    ASSERT_EQ(AktWettkampf, &w);
    WettkampfGrundoptionenSetzen();
    ASSERT_EQ(std::tuple(w.Spieleranzahl, w.Volle, w.ErsteSpielbahn, w.LetzteSpielbahn), std::tuple(6, 15, 1, 4));
    const TStartplan* sechs = w.StartplanZeiger;
    ASSERT_NE(sechs, nullptr);

    w.Gestartet = 1;
    EXPECT_TRUE(oeffnen([&] {
        d->CBStreichspiel->click();
        d->BtnOk->click();
    }));
    EXPECT_EQ(std::tuple(w.Streichspiel, w.Spieleranzahl, w.StartplanZeiger), std::tuple(1, 6, sechs));

    w.Gestartet = 0;
    w.Streichspiel = 0;
    EXPECT_TRUE(oeffnen([&] {
        d->CBStreichspiel->click();
        eingeben(d->EVolle, "20");
        d->BtnOk->click();
    }));
    EXPECT_EQ(std::tuple(w.Streichspiel, w.Spieleranzahl, w.Volle, w.Abraeumen), std::tuple(1, 8, 20, 15));
    EXPECT_EQ(w.StartplanZeiger, &PlanStreichVierBahnen);
}

// A count typed after a click behind the empty field lands at its start; a
// digit beyond the mask is refused with a message.
TEST_F(Wettkoptionen, TypedCountsFillTheMaskFromItsStart)
{
    EXPECT_TRUE(oeffnen([&] {
        QLineEdit* e = d->EWurfZeit;
        e->clear();
        Klicken(e, Qt::LeftButton, QPointF(e->width() - 3, e->height() / 2.0));
        Tippen(e, QStringLiteral("40"));
        EXPECT_EQ(e->text(), QStringLiteral("40"));
        Tippen(e, QStringLiteral("12"));
        d->BtnOk->click();
    }));
    EXPECT_EQ(w.Wurfzeit, 401);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Das Feld ist voll: „2“ passt nicht mehr hinein.")});
}
