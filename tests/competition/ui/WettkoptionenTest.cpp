#include "competition/ui/Wettkoptionen.h"

#include "competition/ui/Fensterregistrierung.h"
#include "core/Globals.h"
#include "core/ui/Fensterhub.h"
#include "support/Grundlage.h"
#include "support/ImDialog.h"

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
