// A card in the reader that is no team card, with the real main window, the
// real match windows and notice windows, and a card kept in a file (the
// simulated reader of the settings): the operator is told once per
// insertion, and what he types into a field stays there.
#include "competition/Chipkarte.h"
#include "competition/Kartenzeitgeber.h"
#include "competition/ui/Fensterregistrierung.h"
#include "competition/ui/Wettkampf.h"
#include "core/Globals.h"
#include "core/ui/Fensterhub.h"
#include "core/ui/Hinweis.h"
#include "core/ui/WidgetBoxen.h"
#include "match/flow/Wettkampfslots.h"
#include "shell/OptionenProgramm.h"
#include "shell/ui/Main.h"
#include "support/Grundlage.h"
#include "support/Klicken.h"
#include "support/Tippen.h"
#include "support/Warten.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

const QString KeineMannschaftskarte = QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !");
const QString KeineSpielerkarte = QStringLiteral("Im Leser befindet sich keine Spielerkarte !");

// Every notice window that shows, with its text; a modal one (which holds
// the program until it is answered) is closed when it has shown, the others
// when the test takes them (abholen).
class Meldungen {
public:
    Meldungen()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (!m_modaleSchliessen) return;
            for (THinweisFenster* box : sichtbare())
                if (box->isModal()) nehmen(box);
        });
        m_timer.start(0);
    }
    // The texts shown so far; every notice still open is closed.
    QStringList abholen()
    {
        for (THinweisFenster* box : sichtbare()) nehmen(box);
        return std::exchange(m_gezeigt, {});
    }
    // While the operator types, a modal notice stays open (as it would).
    void modaleOffenLassen(bool offen) { m_modaleSchliessen = !offen; }

private:
    static QList<THinweisFenster*> sichtbare()
    {
        QList<THinweisFenster*> boxen;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<THinweisFenster*>(w); box && box->isVisible()) boxen << box;
        return boxen;
    }
    void nehmen(THinweisFenster* box)
    {
        m_gezeigt << box->LHinweis->text();
        box->reject();
    }
    QTimer m_timer;
    QStringList m_gezeigt;
    bool m_modaleSchliessen = true;
};

class KartenFokus : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        chipkartenZustand.zuruecksetzen();
        kartenzeitgeberZustand.zuruecksetzen();
        ASSERT_TRUE(tmp.isValid());
        WurfvorwListe = {QStringLiteral("Liga;25;25;12;3;7;12;Bahn 1 bis 4")};
        CompetitionFensterRegistrieren(hub);
        main = std::make_unique<TMain>(hub);
        boxen = std::make_unique<WidgetBoxen>(main.get());
        boxenEinsetzen = std::make_unique<BoxenEinsetzen>(boxen.get());
        main->show();
        ASSERT_TRUE(warten([this] { return main->isVisible(); }));

        // The settings of the simulated reader, a blank card in it (16,384 bytes).
        pfad = QDir(tmp.path()).filePath(QStringLiteral("karte.bin"));
        QFile karte(pfad);
        ASSERT_TRUE(karte.open(QIODevice::WriteOnly));
        ASSERT_EQ(karte.write(QByteArray(16384, '\0')), 16384);
        karte.close();
        Einst.Chipkarte = 1;
        Einst.ChipkartePort = 1;
        Einst.ChipkarteSchnittstelle = QStringLiteral("datei:") + pfad;
        KartenleserOeffnen();
        ASSERT_EQ(KartenleserAktiv, 1);
    }
    void TearDown() override
    {
        boxenEinsetzen.reset();
        main.reset();
        boxen.reset();
        KartenleserSchliessen();
        chipkartenZustand.zuruecksetzen();
        kartenzeitgeberZustand.zuruecksetzen();
        Grundlage::TearDown();
    }

    // F2 in the main window: a new match and its window.
    TWettkampf* neuesSpiel()
    {
        const TWettkampfDaten* vorher = AktWettkampf;
        main->findChild<QAction*>(QStringLiteral("MNeu"))->trigger();  // F2
        TWettkampf* fenster = nullptr;
        warten([&] {
            fenster = qobject_cast<TWettkampf*>(hub.mdiFenster(MdiFenster::Wettkampf));
            return fenster && AktWettkampf && AktWettkampf != vorher && fenster->isVisible();
        });
        return fenster && AktWettkampf != vorher ? fenster : nullptr;
    }
    // A click into the guest field, the keys typed at once after it (each to
    // the widget that has the keyboard focus when it comes), then the card
    // timers' ticks.
    void klickenUndTippen(TWettkampf* w, const QString& text)
    {
        // The click makes the window active and puts the cursor into the field.
        main->activateWindow();
        EXPECT_TRUE(warten([this] { return main->isActiveWindow(); }));
        w->EGast->setFocus(Qt::MouseFocusReason);
        tippenBeiAbfrage([w] { Klicken(w->EGast); }, text);
        Timer5Go();
        if (Timer7().enabled()) Timer7Go();
    }
    // The keys typed at once after `abfrage` (a card poll) has begun, each
    // to the widget that has the keyboard focus when it comes: while a
    // notice of the poll shows.
    void tippenBeiAbfrage(const std::function<void()>& abfrage, const QString& text)
    {
        meldungen.modaleOffenLassen(true);
        bool getippt = false;
        QTimer::singleShot(0, [&] {
            for (QChar c : text) {
                QWidget* fokus = QApplication::focusWidget();
                if (!fokus) fokus = QApplication::activeWindow();
                if (fokus) Tippen(fokus, QString(c));
                QApplication::processEvents();
            }
            getippt = true;
            // A notice still waiting for its answer is answered now.
            meldungen.modaleOffenLassen(false);
        });
        abfrage();
        EXPECT_TRUE(warten([&] { return getippt; }));
        meldungen.modaleOffenLassen(false);
    }

    QTemporaryDir tmp;
    QString pfad;
    Fensterhub hub;
    FensterDiensteEinsetzen m_hub{&hub};
    std::unique_ptr<TMain> main;
    std::unique_ptr<WidgetBoxen> boxen;
    std::unique_ptr<BoxenEinsetzen> boxenEinsetzen;
    Meldungen meldungen;
};

// The operator's evening: the program starts with a blank card in the reader,
// then two new matches, and the options closed with OK in between.
TEST_F(KartenFokus, ABlankCardIsToldOncePerInsertionForTheWholeRun)
{
    // The card poll at the start, with no match open.
    Timer5Go();
    EXPECT_EQ(meldungen.abholen(), QStringList{KeineMannschaftskarte});
    EXPECT_EQ(WettkampfAnzahl, 0);

    TWettkampf* erstes = neuesSpiel();
    ASSERT_NE(erstes, nullptr);
    klickenUndTippen(erstes, QStringLiteral("KC Gast"));
    EXPECT_EQ(erstes->EGast->text(), QStringLiteral("KC Gast"));
    EXPECT_EQ(meldungen.abholen(), QStringList());

    TWettkampf* zweites = neuesSpiel();
    ASSERT_NE(zweites, nullptr);
    klickenUndTippen(zweites, QStringLiteral("Gastverein"));
    EXPECT_EQ(zweites->EGast->text(), QStringLiteral("Gastverein"));
    EXPECT_EQ(meldungen.abholen(), QStringList());

    // "Programmoptionen" → OK opens the reader anew; the card stayed in.
    KartenleserNeuOeffnen();
    Timer5Go();
    klickenUndTippen(zweites, QStringLiteral(" II"));
    EXPECT_EQ(zweites->EGast->text(), QStringLiteral("Gastverein II"));
    EXPECT_EQ(meldungen.abholen(), QStringList());

    // Taken out and inserted again: a new insertion, told once more.
    ASSERT_TRUE(QFile::rename(pfad, pfad + QStringLiteral(".weg")));
    Timer5Go();
    ASSERT_TRUE(QFile::rename(pfad + QStringLiteral(".weg"), pfad));
    zweites->EGast->clear();
    klickenUndTippen(zweites, QStringLiteral("KC Gast"));
    EXPECT_EQ(zweites->EGast->text(), QStringLiteral("KC Gast"));
    EXPECT_EQ(meldungen.abholen(), QStringList{KeineMannschaftskarte});
}

// The card inserted while the match window is open: the first click into
// "Gast:" tells it, and the keys typed at once after the click stay in the
// field (with and without a blank).
TEST_F(KartenFokus, TheNoticeAtTheGuestFieldLeavesTheTypedKeysInTheField)
{
    ASSERT_TRUE(QFile::rename(pfad, pfad + QStringLiteral(".weg")));
    TWettkampf* w = neuesSpiel();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QFile::rename(pfad + QStringLiteral(".weg"), pfad));

    klickenUndTippen(w, QStringLiteral("KC Gast"));
    EXPECT_EQ(w->EGast->text(), QStringLiteral("KC Gast"));
    EXPECT_STREQ(AktWettkampf->Gastmannschaft.c_str(), "KC Gast");
    EXPECT_EQ(meldungen.abholen(), QStringList{KeineMannschaftskarte});

    ASSERT_TRUE(QFile::rename(pfad, pfad + QStringLiteral(".weg")));
    Timer5Go();
    ASSERT_TRUE(QFile::rename(pfad + QStringLiteral(".weg"), pfad));
    w->EGast->clear();
    klickenUndTippen(w, QStringLiteral("Gastverein"));
    EXPECT_EQ(w->EGast->text(), QStringLiteral("Gastverein"));
    EXPECT_EQ(meldungen.abholen(), QStringList{KeineMannschaftskarte});
}

// The player-card poll of a name field finds the blank card while the
// operator types the name: told once, the name typed whole into its field.
// The match closed, the team-card poll of the same insertion tells nothing
// more: one notice in all.
TEST_F(KartenFokus, ThePlayerCardNoticeTakesNoKeysAndIsTheOnlyOneOfItsInsertion)
{
    ASSERT_TRUE(QFile::rename(pfad, pfad + QStringLiteral(".weg")));
    TWettkampf* w = neuesSpiel();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QFile::rename(pfad + QStringLiteral(".weg"), pfad));

    main->activateWindow();
    EXPECT_TRUE(warten([this] { return main->isActiveWindow(); }));
    w->name(1)->setFocus(Qt::MouseFocusReason);
    Klicken(w->name(1));
    ASSERT_TRUE(Timer7().enabled());
    tippenBeiAbfrage([] { Timer7Go(); }, QStringLiteral("Hans Müller"));
    EXPECT_EQ(w->name(1)->text(), QStringLiteral("Hans Müller"));
    EXPECT_EQ(meldungen.abholen(), QStringList{KeineSpielerkarte});
    Timer7Go();
    EXPECT_EQ(meldungen.abholen(), QStringList());

    AktWettkampf->Geaendert = 0;
    ASSERT_TRUE(WettkampfSchliessen());
    ASSERT_EQ(WettkampfAnzahl, 0);
    Timer5Go();
    EXPECT_EQ(meldungen.abholen(), QStringList());
}

// "Programmoptionen" → OK opens the reader anew: on the same port the card
// in it stays told; on another port it is another reader, whose card is
// told again.
TEST_F(KartenFokus, ReopenedOnAnotherPortTheCardIsToldAgain)
{
    Timer5Go();
    EXPECT_EQ(meldungen.abholen(), QStringList{KeineMannschaftskarte});
    TWettkampf* w = neuesSpiel();
    ASSERT_NE(w, nullptr);

    KartenleserNeuOeffnen();
    klickenUndTippen(w, QStringLiteral("KC Gast"));
    EXPECT_EQ(meldungen.abholen(), QStringList());

    Einst.ChipkartePort = 2;
    KartenleserNeuOeffnen();
    ASSERT_EQ(KartenleserAktiv, 1);
    w->EGast->clear();
    klickenUndTippen(w, QStringLiteral("Gastverein"));
    EXPECT_EQ(w->EGast->text(), QStringLiteral("Gastverein"));
    EXPECT_EQ(meldungen.abholen(), QStringList{KeineMannschaftskarte});
}

}  // namespace
