#include "core/Berichtdienste.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "core/ui/Hilfe.h"
#include "core/ui/Hinweis.h"
#include "core/ui/HinweisJa.h"
#include "core/ui/WidgetBoxen.h"
#include "displays/ui/Fensterregistrierung.h"
#include "core/Zeitgeber.h"
#include "competition/ui/Fensterregistrierung.h"
#include "competition/Wettbewerb.h"
#include "competition/ui/Speichern.h"
#include "competition/ui/Wettkampf.h"
#include "match/flow/Bahnzyklus.h"
#include "match/flow/Spielende.h"
#include "match/flow/TimerModul.h"
#include "match/dienste/Wettbewerbdienste.h"
#include "match/flow/Wettkampfslots.h"
#include "match/flow/Zustand.h"
#include "match/ui/Fensterregistrierung.h"
#include "report/Unterschriften.h"
#include "report/ui/Fensterregistrierung.h"
#include "report/ui/SpFormular.h"
#include "report/ui/Spielbericht.h"
#include "shell/Programmende.h"
#include "shell/Service.h"
#include "shell/ui/Fensterregistrierung.h"
#include "shell/ui/Info.h"
#include "shell/ui/Main.h"
#include "shell/ui/Progende.h"
#include "shell/ui/Service.h"
#include "shell/ui/Tipps.h"
#include "support/ImDialog.h"
#include "support/KernAufnahmen.h"
#include "support/Klicken.h"
#include "support/Netzantworten.h"
#include "support/QtDrucken.h"
#include "support/Tippen.h"
#include "support/Warten.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class Hauptfenster : public testing::Test {
protected:
    void SetUp() override
    {
        ZustandZuruecksetzen();
        main = std::make_unique<TMain>(hub);
    }
    void TearDown() override { main.reset(); WindowsBeenden = 0; ZustandZuruecksetzen(); }

    // Closes the next modal window; Gezeigt() names it.
    void ModalSchliessen()
    {
        auto gezeigt = std::make_shared<QString>();
        QTimer::singleShot(0, [gezeigt] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                *gezeigt = m->objectName();
                m->close();
            }
        });
        m_gezeigt = gezeigt;
    }
    QString Gezeigt() const { return m_gezeigt ? *m_gezeigt : QString(); }

    Fensterhub hub;
    FensterDiensteEinsetzen m_hub{&hub};
    std::unique_ptr<TMain> main;

private:
    std::shared_ptr<QString> m_gezeigt;
};

}  // namespace

// The computed menu state reaches the menu, its tool buttons and pop-ups.
TEST_F(Hauptfenster, MenuStateReachesButtonsAndPopups)
{
    main->HauptmenueAktualisieren();
    EXPECT_FALSE(main->SBtnSpeichern->isEnabled());
    main->MNeuClick();
    EXPECT_TRUE(main->SBtnSpeichern->isEnabled());
    EXPECT_FALSE(main->SBtnSpielerkarte->isEnabled());
    KartenleserAktiv = 1;
    Einst.NamenanzOn = true;
    AktWettkampf->NamenanzeigeEin = 1;
    main->HauptmenueAktualisieren();
    EXPECT_TRUE(main->SBtnSpielerkarte->isEnabled());
    EXPECT_EQ(main->MSpielStart->text(), QStringLiteral("Spiel Start      "));
    EXPECT_EQ(main->MNamenanzEinschalten->text(), QStringLiteral("&Ausschalten"));
    EXPECT_TRUE(main->PopupNamenanzeige->menuAction()->isEnabled());
    EXPECT_FALSE(main->PopupGrossanzeige->menuAction()->isEnabled());
    EXPECT_TRUE(main->MEintrag[1]->isChecked());
}

TEST_F(Hauptfenster, WindowListEntriesSwitchTheMatch)
{
    main->MNeuClick();
    main->MNeuClick();

    main->MEintrag[1]->trigger();
    EXPECT_EQ(AktWettkampfNr, 1);
    EXPECT_TRUE(main->MEintrag[1]->isChecked());
    EXPECT_FALSE(main->MEintrag[2]->isChecked());
}

TEST_F(Hauptfenster, WindowMenuListsTheOpenWindows)
{
    auto* w = new QWidget;
    w->setWindowTitle(QStringLiteral("SG Beta - KSV Alpha"));
    main->mdiArea()->addSubWindow(w)->show();
    emit main->MFenster->aboutToShow();
    QStringList texte;
    for (QAction* a : main->MFenster->actions())
        if (!a->isSeparator()) texte << a->text();
    EXPECT_EQ(texte, (QStringList{"&Maximieren", "&1 SG Beta - KSV Alpha"}));
    emit main->MFenster->aboutToShow();  // built anew, not appended
    EXPECT_EQ(main->MFenster->actions().size(), 3);
}

// Two matches of one team: the Spiel menu and the window list name each by
// its lanes, and the window list offers every open match; choosing one shows
// it in the match window.
TEST_F(Hauptfenster, TwoMatchesOfOneTeamAreToldApartByTheirLanes)
{
    MatchFensterRegistrieren(hub);
    CompetitionFensterRegistrieren(hub);
    main->show();
    for (const auto& [erste, letzte, gast] : {std::tuple(1, 4, "SG Beta"), std::tuple(5, 8, "KSV Alpha")}) {
        main->MNeu->trigger();
        ASSERT_NE(AktWettkampf, nullptr);
        AktWettkampf->Heimmannschaft = "KSV Musterstadt 1";
        AktWettkampf->Gastmannschaft = gast;
        AktWettkampf->ErsteBahn = u8(erste), AktWettkampf->LetzteBahn = u8(letzte);
    }
    Wettkaempfe[2].Gestartet = 1;  // a started match by the lanes it plays on
    Wettkaempfe[2].ErsteSpielbahn = 5, Wettkaempfe[2].LetzteSpielbahn = 6;
    main->HauptmenueAktualisieren();
    EXPECT_EQ(main->MEintrag[1]->text().toStdString(), "KSV Musterstadt 1 (Bahn 1 bis 4)");
    EXPECT_EQ(main->MEintrag[2]->text().toStdString(), "KSV Musterstadt 1 (Bahn 5 bis 6)");

    emit main->MFenster->aboutToShow();
    QStringList texte;
    QList<QAction*> eintraege;
    for (QAction* a : main->MFenster->actions())
        if (!a->isSeparator() && a != main->MMaximieren) texte << a->text(), eintraege << a;
    EXPECT_EQ(texte.join(u'|').toStdString(), "&1 KSV Musterstadt 1 (Bahn 1 bis 4)|&2 KSV Musterstadt 1 (Bahn 5 bis 6)");
    ASSERT_EQ(eintraege.size(), 2);
    EXPECT_FALSE(eintraege[0]->isChecked());
    EXPECT_TRUE(eintraege[1]->isChecked());  // the current match, in the active window

    eintraege[0]->trigger();
    EXPECT_EQ(AktWettkampfNr, 1);
    QWidget* spiel = hub.mdiFenster(MdiFenster::Wettkampf);
    ASSERT_NE(spiel, nullptr);
    EXPECT_EQ(spiel->windowTitle(), QStringLiteral("KSV Musterstadt 1 - SG Beta"));
    EXPECT_TRUE(main->MEintrag[1]->isChecked());

    // Other lanes chosen in the match window: its entry follows.
    auto* bahnen = spiel->findChild<QComboBox*>(QStringLiteral("CBahnen"));
    ASSERT_NE(bahnen, nullptr);
    const int zwei = bahnen->findText(QStringLiteral("Bahn 1 bis 2"));
    ASSERT_GE(zwei, 0);
    bahnen->setCurrentIndex(zwei);
    emit bahnen->activated(zwei);
    EXPECT_EQ(main->MEintrag[1]->text().toStdString(), "KSV Musterstadt 1 (Bahn 1 bis 2)");
}

TEST_F(Hauptfenster, HintsGoToTheFirstPanel)
{
    QStatusTipEvent tip(QStringLiteral("neues Spiel bearbeiten"));
    QApplication::sendEvent(main.get(), &tip);
    EXPECT_EQ(main->StatusPanel[1]->text(), QStringLiteral("neues Spiel bearbeiten"));
    HinweisStatusleisteAus = 1;
    QStatusTipEvent anderer(QStringLiteral("anders"));
    QApplication::sendEvent(main.get(), &anderer);
    EXPECT_EQ(main->StatusPanel[1]->text(), QStringLiteral("neues Spiel bearbeiten"));
    hub.statusText(2, QStringLiteral("gestartet"));
    EXPECT_EQ(main->StatusPanel[3]->text(), QStringLiteral("gestartet"));

    // The monitor messages' panel shows only while it has a text.
    EXPECT_TRUE(main->SPMonitor->isHidden());
    hub.statusText(StatusPanelMonitor, QStringLiteral("ohne Antwort: 10.0.0.3"));
    EXPECT_FALSE(main->SPMonitor->isHidden());
    EXPECT_EQ(main->SPMonitor->text(), QStringLiteral("ohne Antwort: 10.0.0.3"));
    EXPECT_EQ(main->SPMonitor->toolTip(), main->SPMonitor->text());
    hub.statusText(StatusPanelMonitor, QString());
    EXPECT_TRUE(main->SPMonitor->isHidden());
}

TEST_F(Hauptfenster, WindowOptionsFromTheSettings)
{
    main->show();
    Einst.SchalterSichtbar = Einst.SchalterUnten = Einst.Statusleiste = Einst.Hintergrund = true;
    main->FensteroptionenAnwenden();
    EXPECT_TRUE(main->CBarSchalter->isVisible());
    EXPECT_EQ(main->toolBarArea(main->CBarSchalter), Qt::BottomToolBarArea);
    EXPECT_TRUE(main->statusBar()->isVisible());
    EXPECT_TRUE(main->Ground->isVisible());
    // With a match open the background stays as it is; without, the setting rules.
    main->MNeuClick();
    Einst.Hintergrund = false;
    main->HauptmenueAktualisieren();
    EXPECT_TRUE(main->Ground->isVisible());
    WettkampfSchliessen();
    EXPECT_FALSE(main->Ground->isVisible());
}

TEST_F(Hauptfenster, BackgroundClickAndPictureDoubleClickOpenANewMatch)
{
    auto maus = [](QWidget* w, QEvent::Type art) {
        QMouseEvent e(art, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    maus(main->ImageGround, QEvent::MouseButtonPress);
    maus(main->ImageGround, QEvent::MouseButtonRelease);
    EXPECT_EQ(WettkampfAnzahl, 0);  // the picture answers the double click only
    maus(main->ImageGround, QEvent::MouseButtonDblClick);
    EXPECT_EQ(WettkampfAnzahl, 1);
    // A double click on the panel: one match, from its first click.
    for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                             QEvent::MouseButtonRelease})
        maus(main->Ground, art);
    EXPECT_EQ(WettkampfAnzahl, 2);
}

TEST_F(Hauptfenster, CloseRequestNeverClosesByItself)
{
    TProgende ende(main.get());
    ende.Beenden = [] {};
    main->Progende = &ende;
    main->show();

    main->MNeuClick();
    AktWettkampf->Gestartet = 1;
    EXPECT_FALSE(main->close());  // started match: no dialog, a notice says why
    EXPECT_FALSE(ende.isVisible());
    AktWettkampf->Gestartet = 0;
    StartMaske = 0x0001;
    EXPECT_FALSE(main->close());
    StartMaske = 0;
    EXPECT_EQ(skriptBoxen().gezeigt, (QStringList{"Bitte beenden Sie gestartete Wettkämpfe !",
                                                  "Die Bahnen werden gerade gestartet, bitte warten !"}));

    ModalSchliessen();
    EXPECT_FALSE(main->close());
    EXPECT_EQ(Gezeigt(), QStringLiteral("Progende"));
    EXPECT_TRUE(main->isVisible());
}

TEST_F(Hauptfenster, EndCommandsAreRefusedWhileAMatchIsStarted)
{
    TProgende ende(main.get());
    main->Progende = &ende;
    main->MNeuClick();
    AktWettkampf->Gestartet = 1;
    main->MWindowsBeenden->trigger();
    EXPECT_EQ(WindowsBeenden, 0);
    main->MProgrammEnde->trigger();
    AktWettkampf->Gestartet = 0;
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList(2, QStringLiteral("Bitte beenden Sie gestartete Wettkämpfe !")));

    ModalSchliessen();
    main->MWindowsBeenden->trigger();
    EXPECT_EQ(Gezeigt(), QStringLiteral("Progende"));
    EXPECT_EQ(WindowsBeenden, 0);  // closed without ending
}

// Help and tips say why they show nothing.
TEST_F(Hauptfenster, HelpAndTipsSayWhyNothingOpens)
{
    QTemporaryDir ordner;
    OrdnerSetzen(ordner.path());
    const QString hilfe = QDir(ordner.path()).filePath(QStringLiteral("Hilfe"));
    main->MHilfethemen->trigger();
    main->MTipps->trigger();
    EXPECT_EQ(skriptBoxen().gezeigt,
              (QStringList{QStringLiteral("Die Hilfedatei %1/Bravolin.hlp ist nicht vorhanden !").arg(hilfe),
                           QStringLiteral("Die Tippdatei %1/Hilfe_Tipps.rtf ist nicht vorhanden !").arg(hilfe)}));

    // With the program's own help text in the folder, the help topics show it.
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Hilfe")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVALINK_QUELLE "/assets/hilfe/Hilfe_Bravolin.rtf"),
                            QDir(hilfe).filePath(QStringLiteral("Hilfe_Bravolin.rtf"))));
    QString titel;
    QTimer::singleShot(0, [&titel] {
        if (auto* h = qobject_cast<THilfe*>(QApplication::activeModalWidget())) {
            titel = h->REHilfe->document()->begin().text();
            h->BtnOK->click();
        }
    });
    main->MHilfethemen->trigger();
    EXPECT_EQ(titel, QStringLiteral("Corvalink – Hilfe"));
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 2);
}

// The tips show the shipped tips file with its formatting: a bold coloured
// title and the keys in bold.
TEST_F(Hauptfenster, TipsShowTheShippedFileFormatted)
{
    QTemporaryDir ordner;
    OrdnerSetzen(ordner.path());
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Hilfe")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVALINK_QUELLE "/assets/hilfe/Hilfe_Tipps.rtf"),
                            QDir(Hilfeverzeichnis).filePath(QStringLiteral("Hilfe_Tipps.rtf"))));
    TTipps tipps(main.get());
    main->Tipps = &tipps;

    QString titel, titelFarbe;
    bool titelFett = false, amAnfang = false;
    QStringList fett;
    QTimer::singleShot(0, [&] {
        if (QApplication::activeModalWidget() != &tipps) return;
        const QTextDocument& d = *tipps.RETipps->document();
        titel = d.begin().text();
        amAnfang = tipps.RETipps->textCursor().position() == 0;
        const QTextCharFormat f = d.begin().begin().fragment().charFormat();
        titelFett = f.fontWeight() == QFont::Bold;
        titelFarbe = f.foreground().color().name();
        for (QTextBlock b = d.begin().next(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().fontWeight() == QFont::Bold) fett << it.fragment().text();
        tipps.close();
    });
    main->MTipps->trigger();
    EXPECT_EQ(titel, QStringLiteral("Tipps und Tricks"));
    EXPECT_TRUE(amAnfang);  // shown from its beginning
    EXPECT_TRUE(titelFett);
    EXPECT_EQ(titelFarbe, QStringLiteral("#003366"));
    EXPECT_TRUE(fett.contains(QStringLiteral("F5"))) << fett.join(u'|').toStdString();
    EXPECT_TRUE(fett.contains(QStringLiteral("Strg+B"))) << fett.join(u'|').toStdString();
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
}

// "Service" opens the service page as a dialog of the main window; an update
// taken there closes it and ends the program through the end dialog.
TEST_F(Hauptfenster, ServiceOpensTheServicePage)
{
    QTemporaryDir ordner;
    OrdnerSetzen(ordner.path());
    ShellFensterRegistrieren(hub);
    TProgende ende(main.get());
    ende.Beenden = [] {};
    main->Progende = &ende;
    Netzantworten netz;
    NetzDiensteEinsetzen netzEin(&netz);
    ShellAufnahme shell;
    ShellStarterEinsetzen shellEin(&shell);
    Einst.UpdateServer = QStringLiteral("updates.example.de");
    skriptBoxen().antworten = {ErgebnisJa, ErgebnisOk};

    ImDialog<TService>(hub, [&] {
        main->MService->trigger();
        return true;
    }, [&](TService& s) {
        EXPECT_EQ(s.windowTitle(), QStringLiteral("Service"));
        EXPECT_EQ(s.parentWidget(), main.get());
        EXPECT_TRUE(s.isModal());
        Klicken(s.LUpdate);
        netz.seiteEnde(true, "#2.21.0063");  // no Update.inf: "0" is installed
        EXPECT_FALSE(s.isVisible());
    });
    EXPECT_EQ(skriptBoxen().gezeigt, (QStringList{UpdateFrageText, UpdateSchliessenText}));
    EXPECT_EQ(shell.aufrufe, QStringList{"http://updates.example.de/Updates/Lanorik/Update_Bravolin_Funk.exe|||1"});
    EXPECT_TRUE(ende.endeLaeuft());
    EXPECT_FALSE(hub.AktDialog);
    serviceZustand.zuruecksetzen();
}

// "Spielbericht -> Drucken, Fax, email" send the report out without its
// window, the players of an ended match ranked first.
TEST_F(Hauptfenster, ReportCommandsRankAnEndedMatchAndSendTheReport)
{
    struct Aufnahme final : BerichtDienste {
        QStringList aufrufe;
        void drucken(QWidget*) override { aufrufe << QStringLiteral("drucken") + QString::number(rang()); }
        void faxen(QWidget*) override { aufrufe << QStringLiteral("faxen") + QString::number(rang()); }
        void mailen(QWidget*) override { aufrufe << QStringLiteral("mailen") + QString::number(rang()); }
        static int rang() { return AktWettkampf ? AktWettkampf->Spieler[2].Platz : -1; }
    } bericht;
    BerichtDiensteEinsetzen berichtEin(&bericht);

    main->MSpDrucken->trigger();  // no match: nothing
    ASSERT_TRUE(WettkampfAnlegen());
    TWettkampfDaten& w = *AktWettkampf;
    w.Spieleranzahl = 2;
    w.Spieler[1].Total.Zahl = 300;
    w.Spieler[2].Total.Zahl = 500;  // the better home player
    main->MSpFax->trigger();         // not ended: not ranked
    w.Beendet = 1;
    main->MSpEmail->trigger();
    main->MSpDrucken->trigger();
    EXPECT_EQ(bericht.aufrufe, (QStringList{"faxen0", "mailen1", "drucken1"}));
}

// "Spielbericht -> Formular..." shows the report of an ended match with its
// players ranked, as print, fax and e-mail send it.
TEST_F(Hauptfenster, ReportWindowShowsTheRanksOfAnEndedMatch)
{
    ReportFensterRegistrieren(hub);
    Einst.FormularNummer = 3;  // prints each player's Platz
    ASSERT_TRUE(WettkampfAnlegen());
    TWettkampfDaten& w = *AktWettkampf;
    w.Spieleranzahl = 6;
    w.Beendet = 1;
    const int total[] = {300, 500, 450, 200, 250, 100};  // the home side; the guests' in reverse
    for (int i = 1; i <= 6; ++i) {
        w.Spieler[i].Total.Zahl = total[i - 1];
        w.Spieler[i + 8].Total.Zahl = total[6 - i];
    }
    QImage gezeigt;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<TSpFormular*>(QApplication::activeModalWidget())) {
            gezeigt = d->ImageAnsicht->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            d->reject();
        }
    });
    main->MSpFormular->trigger();
    QList<int> platz;
    for (int i : {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14}) platz << w.Spieler[i].Platz;
    EXPECT_EQ(platz, (QList<int>{3, 1, 2, 5, 4, 6, 6, 4, 5, 2, 1, 3}));
    ASSERT_FALSE(gezeigt.isNull());
    const auto bericht = [&] {
        return BerichtZeichnen(w, 3)
            .bild.scaled(gezeigt.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(gezeigt, bericht());
    for (int i = 1; i <= 16; ++i) w.Spieler[i].Platz = 0;
    EXPECT_NE(gezeigt, bericht());
}

TEST_F(Hauptfenster, DisplayCommandsReachTheSwitches)
{
    Einst.GrossAnzeige = true;
    main->MNeuClick();
    main->HauptmenueAktualisieren();
    main->MGrossanzEinschalten->trigger();
    EXPECT_EQ(AnzeigeBoardEin, 1);
    EXPECT_EQ(AktWettkampf->GrossanzeigeEin, 1);
    EXPECT_TRUE(main->MGrossanzUpdate->isEnabled());
}

// "Neu" with the default options, then "Spiel Start": the lanes of the first
// round are registered for the match (built-in preset: four lanes, six a side).
TEST_F(Hauptfenster, ANewMatchStartsFromTheMenu)
{
    main->MNeu->trigger();
    ASSERT_NE(AktWettkampf, nullptr);
    skriptBoxen().antworten = {ErgebnisJa};
    main->MSpielStart->trigger();
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Spiel starten ? ")});
    for (int bahn = 1; bahn <= 4; ++bahn) EXPECT_EQ(BahnDaten[bahn].Wettk, AktWettkampf) << bahn;
    EXPECT_NE(AnmeldeMaske, 0u);
    EXPECT_EQ(AktWettkampf->Geaendert, 1);  // a started match is not closed without the save question
}

// --- The start-up window ------------------------------------------------------------------

TEST(Infofenster, WideScreenBecomesTheAboutWindow)
{
    GlobalsZuruecksetzen();
    Versionstext = QStringLiteral("2.21.0062");
    TInfo info(nullptr, 1280);
    EXPECT_FALSE(info.LHinweis->isVisible());
    EXPECT_EQ(info.LVersion->text(), QStringLiteral("2.21.0062"));
    info.NextStep(95);
    info.TimerHideGo();
    EXPECT_TRUE(info.isVisible());
    info.NextStep(100);
    info.TimerHideGo();
    EXPECT_FALSE(info.isVisible());
    EXPECT_FALSE(info.TimerHide->enabled());
}

TEST(Infofenster, NarrowScreenWarnsAndEndsTheProgram)
{
    GlobalsZuruecksetzen();
    TProgende ende;
    int beendet = 0;
    ende.Beenden = [&] { ++beendet; };
    TInfo info(nullptr, 1000);
    info.Progende = &ende;
    EXPECT_TRUE(info.LHinweis->isVisible());
    info.NextStep(100);
    info.TimerHideGo();
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(ende.TimerEnde->enabled());
    ende.TimerEndeGo();
    EXPECT_EQ(beendet, 1);
    EXPECT_EQ(ende.exitcode(), 1);  // the program failed
}

// The match window and the result window as the operator switches between
// them: each becomes the active kind again when it is activated, the result
// window rebuilt, and the menu follows (no "Neu" while the result window is
// the active one).
TEST_F(Hauptfenster, EachChildWindowBecomesTheActiveKindAgain)
{
    MatchFensterRegistrieren(hub);
    CompetitionFensterRegistrieren(hub);
    main->show();
    QApplication::setActiveWindow(main.get());
    main->MNeu->trigger();
    ASSERT_NE(AktWettkampf, nullptr);
    auto* area = main->findChild<QMdiArea*>();
    ASSERT_NE(area, nullptr);
    QMdiSubWindow* spiel = area->activeSubWindow();
    ASSERT_NE(spiel, nullptr);
    EXPECT_EQ(AktivesFenster, FensterWettkampf);

    fenster().oeffnen(MdiFenster::Ergebnis);
    QMdiSubWindow* ergebnis = area->activeSubWindow();
    ASSERT_NE(ergebnis, spiel);
    EXPECT_EQ(AktivesFenster, FensterErgebnis);
    EXPECT_FALSE(main->MNeu->isEnabled());

    area->setActiveSubWindow(spiel);
    EXPECT_EQ(AktivesFenster, FensterWettkampf);
    EXPECT_TRUE(main->MNeu->isEnabled());

    AktWettkampf->Heim.Total.Text = "0123";
    area->setActiveSubWindow(ergebnis);
    EXPECT_EQ(AktivesFenster, FensterErgebnis);
    EXPECT_EQ(ergebnis->findChild<QLabel*>(QStringLiteral("LHeimTotal"))->text(), QStringLiteral("0123"));
}

// A key that the focused child window and the main window both take goes to
// the child; a child without it leaves the key to the main window.
TEST_F(Hauptfenster, TheFocusedChildWindowsKeysGoFirst)
{
    MatchFensterRegistrieren(hub);
    CompetitionFensterRegistrieren(hub);
    ReportFensterRegistrieren(hub);
    main->show();
    QApplication::setActiveWindow(main.get());
    main->MNeu->trigger();
    auto* spiel = qobject_cast<TWettkampf*>(hub.mdiFenster(MdiFenster::Wettkampf));
    ASSERT_NE(spiel, nullptr);
    fenster().oeffnen(MdiFenster::Ergebnis);
    QWidget* ergebnis = hub.mdiFenster(MdiFenster::Ergebnis);
    main->MSpBearbeiten->trigger();
    auto* bericht = qobject_cast<TSpielbericht*>(hub.mdiFenster(MdiFenster::Spielbericht));
    ASSERT_NE(ergebnis, nullptr);
    ASSERT_NE(bericht, nullptr);

    QStringList ausgeloest;
    for (QAction* a : {spiel->MSuchen, main->MBahnsteuerung})
        QObject::connect(a, &QAction::triggered, [&ausgeloest, a] { ausgeloest << a->objectName(); });
    QObject::connect(bericht->BtnFormular, &QPushButton::clicked, [&] { ausgeloest << QStringLiteral("BtnFormular"); });
    // Alt+H of the menu "&Hilfe" also on a disabled, a hidden and a usable button.
    QPushButton gesperrt(QStringLiteral("&Hoch"), bericht), verborgen(QStringLiteral("&Hoch"), bericht),
        hoch(QStringLiteral("&Hoch"), bericht);
    gesperrt.setEnabled(false);
    gesperrt.show();
    hoch.show();
    QObject::connect(&verborgen, &QPushButton::clicked, [&] { ausgeloest << QStringLiteral("verborgen"); });
    QObject::connect(&hoch, &QPushButton::clicked, [&] { ausgeloest << QStringLiteral("hoch"); });

    struct Fall {
        QWidget* fokus;
        int taste;
        Qt::KeyboardModifiers mit;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {spiel->EClub, Qt::Key_F8, Qt::NoModifier, "MSuchen"},
        {spiel->name(3), Qt::Key_F8, Qt::NoModifier, "MSuchen"},
        {ergebnis, Qt::Key_F8, Qt::NoModifier, "MBahnsteuerung"},
        {bericht->BtnDrucken, Qt::Key_F8, Qt::NoModifier, "MBahnsteuerung"},
        {bericht->BtnDrucken, Qt::Key_F, Qt::AltModifier, "BtnFormular"},
        {bericht->BtnDrucken, Qt::Key_H, Qt::AltModifier, "hoch"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.erwartet);
        QMdiSubWindow* rahmen = nullptr;
        for (QWidget* w = f.fokus; w && !rahmen; w = w->parentWidget()) rahmen = qobject_cast<QMdiSubWindow*>(w);
        ASSERT_NE(rahmen, nullptr);
        QApplication::setActiveWindow(main.get());  // again after a modal window
        main->mdiArea()->setActiveSubWindow(rahmen);
        f.fokus->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), f.fokus);
        ausgeloest.clear();
        ModalSchliessen();  // the search and the report form open modally
        QKeyEvent taste(QEvent::KeyPress, f.taste, f.mit);  // not spontaneous: the shortcuts come first
        QApplication::sendEvent(f.fokus, &taste);
        EXPECT_EQ(ausgeloest.join(u','), QLatin1String(f.erwartet));
    }
}

// The keyboard after the result board opened: the focus-return tick gives it
// to the match window's first field, and what is typed lands there.
TEST_F(Hauptfenster, AfterTheBoardOpenedTheKeysGoToTheClubField)
{
    MatchFensterRegistrieren(hub);
    CompetitionFensterRegistrieren(hub);
    DisplaysFensterRegistrieren(hub);
    Einst.GrossAnzeige = true;
    hub.setZweiterBildschirm(QRect(0, 0, 1024, 768));
    main->show();
    QApplication::setActiveWindow(main.get());
    main->MNeu->trigger();
    auto* spiel = qobject_cast<TWettkampf*>(hub.mdiFenster(MdiFenster::Wettkampf));
    ASSERT_NE(spiel, nullptr);
    fenster().oeffnen(MdiFenster::Ergebnis);  // in front, as while a match plays
    main->HauptmenueAktualisieren();
    main->MGrossanzEinschalten->trigger();
    QWidget* tafel = hub.anzeigefenster();
    ASSERT_NE(tafel, nullptr);
    ASSERT_TRUE(warten([&] { return QApplication::activeWindow() == tafel; }));  // the board took the keyboard

    TimerFocusGo();
    ASSERT_TRUE(warten([&] { return QApplication::activeWindow() == main.get(); }));
    QWidget* fokus = QApplication::focusWidget();
    ASSERT_NE(fokus, nullptr);
    Tippen(fokus, QStringLiteral("Adler"));
    EXPECT_EQ(spiel->EClub->text().toStdString(), "Adler");
    EXPECT_EQ(AktWettkampf->Club.text().toStdString(), "Adler");
    hub.anzeigefensterSchliessen();
}

// The operator answers the program's question "Spiel starten ?" in its
// window. After the match has ended, F4 opens the save window without a
// click first: the window the question belonged to has the keyboard again.
TEST_F(Hauptfenster, AfterTheMatchEndedF4Saves)
{
    CompetitionFensterRegistrieren(hub);
    Wettbewerb wettbewerbEcht;
    WettbewerbDiensteEinsetzen wettbewerbEin(&wettbewerbEcht);
    WidgetBoxen boxenFenster(main.get());
    BoxenEinsetzen boxenEin(&boxenFenster);
    QStringList gezeigt;
    QTimer antworten;
    QObject::connect(&antworten, &QTimer::timeout, [&] {
        auto* box = qobject_cast<THinweisFenster*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        gezeigt << box->LHinweis->text().left(15);
        if (auto* frage = qobject_cast<THinweisJa*>(box)) frage->BtnJa->click();
        else if (auto* hinweis = qobject_cast<THinweis*>(box)) hinweis->BtnOk->click();
    });
    antworten.start(0);
    main->show();
    QApplication::setActiveWindow(main.get());
    main->MNeu->trigger();
    ASSERT_NE(AktWettkampf, nullptr);
    TWettkampfDaten& w = *AktWettkampf;
    main->MSpielStart->trigger();
    ASSERT_EQ(BahnDaten[1].Wettk, &w);  // started: its lanes are asked for
    SpielBeenden(w);
    ASSERT_EQ(w.Beendet, 1);
    ASSERT_EQ(gezeigt, QStringList{QStringLiteral("Spiel starten ?")});
    antworten.stop();

    // F4 where the keyboard goes: the focused field of the active window.
    warten([&] { return QApplication::activeWindow() == main.get() && QApplication::focusWidget(); }, 2000);
    QWidget* ziel = QApplication::focusWidget();
    ASSERT_NE(ziel, nullptr) << "no window takes the keys";
    EXPECT_TRUE(ImDialog<TSpeichern>(hub, [&] {
        QKeyEvent f4(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
        QApplication::sendEvent(ziel, &f4);
        return true;
    }, [](TSpeichern& d) { d.reject(); }));
}
