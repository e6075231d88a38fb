#include "competition/ui/Wettkoptionen.h"

#include "competition/ui/Fensterregistrierung.h"
#include "core/Globals.h"
#include "core/ui/Fensterhub.h"
#include "support/Grundlage.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
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
        w.Spieltag = "3";
    }

    // Runs `handeln` inside the modal dialog; true when it ended with OK.
    bool oeffnen(const std::function<void()>& handeln)
    {
        bool gelaufen = false;
        QTimer::singleShot(0, qApp, [&] {
            d = qobject_cast<TWettkoptionen*>(hub.AktDialog.data());
            ASSERT_TRUE(d);
            gelaufen = true;
            handeln();
        });
        const bool ok = ::fenster().dialog(Dialog::Spieldaten);
        EXPECT_TRUE(gelaufen);
        return ok;
    }

    static void eingeben(QLineEdit* e, const QString& text)
    {
        e->setText(text);
        emit e->textEdited(e->text());
    }

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
        EXPECT_EQ(d->windowTitle(), "Spieldaten");
        EXPECT_EQ(std::tuple(d->EVolle->text(), d->EWurfZeit->text(), d->ESpielTag->text()),
                  std::tuple(QString("25"), QString("12"), QString("3")));
        EXPECT_FALSE(d->CBDrZentral->isEnabled() || d->CBSVictory1Spiel->isEnabled());
        eingeben(d->EVolle, "30");
        eingeben(d->EAbr, "0");
        eingeben(d->ESpielTag, "7");
        d->CBDrWurfblatt->click();
        d->CBDrZentral->click();
        EXPECT_TRUE(d->CBDrSparmodus->isEnabled());
        d->CBPunktespiel->click();
        d->CBSVictory1Spiel->click();
        ASSERT_TRUE(d->ESVictory1Spiel->isEnabled());
        eingeben(d->ESVictory1Spiel, "40");  // above the match's 25 Volle
        EXPECT_EQ(d->ESVictory1Spiel->text(), "25");
        d->BtnOk->click();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(std::tuple(w.Volle, w.Abraeumen, w.Wurfzeit, w.Spieltag.text()), std::tuple(30, 0, 12, QString("7")));
    EXPECT_EQ(std::tuple(w.DrWurfblatt, w.DrZentral, w.DrEinzelbahn), std::tuple(1, 1, 0));
    EXPECT_EQ(std::tuple(w.Punktespiel, w.SVictory1Spiel, w.SVictoryWuerfe), std::tuple(1, 1, 25));
    EXPECT_EQ(w.Geaendert, 1);
}

TEST_F(Wettkoptionen, AbbrechenWritesNothing)
{
    const bool ok = oeffnen([&] {
        // No central printer: the throw-sheet boxes stay off.
        EXPECT_FALSE(d->CBDrWurfblatt->isEnabled() || d->CBDrWurfblatt->isChecked());
        eingeben(d->EVolle, "30");
        d->CBPunktespiel->click();
        d->BtnAbbrechen->click();
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(std::tuple(w.Volle, w.Punktespiel, w.Geaendert), std::tuple(25, 0, 0));
}
