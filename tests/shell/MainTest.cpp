#include "Boxes.h"
#include "Fensterhub.h"
#include "Globals.h"
#include "Info.h"
#include "Main.h"
#include "Progende.h"
#include "Programmende.h"
#include "SettingsFile.h"
#include "Spielablauf.h"
#include "Tipps.h"
#include "Wettkampfslots.h"
#include "Zeitgeber.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
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
        GlobalsZuruecksetzen();
        SpielablaufZuruecksetzen();
        setFensterDienste(&hub);
        main = std::make_unique<TMain>(hub);
        skriptBoxen().antworten.clear();
    }
    void TearDown() override
    {
        main.reset();
        setFensterDienste(nullptr);
        WindowsBeenden = 0;
        SpielablaufZuruecksetzen();
        GlobalsZuruecksetzen();
    }
    QAction* Aktion(const char* name) const { return main->findChild<QAction*>(QLatin1String(name)); }

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
    std::unique_ptr<TMain> main;

private:
    std::shared_ptr<QString> m_gezeigt;
};

}  // namespace

TEST_F(Hauptfenster, MenuCaptionsAsDesigned)
{
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvalink"));
    struct Zeile {
        const char* name;
        const char16_t* text;
        QKeySequence taste;
        const char16_t* hinweis;
    };
    const Zeile tabelle[] = {
        {"MNeu", u"&Neu      ", Qt::Key_F2, u"neues Spiel bearbeiten"},
        {"MLaden", u"&Laden...", Qt::Key_F3, u"Spiel von Datenträger öffnen"},
        {"MKarteLaden", u"&von Karte laden", {}, u"Spiel von Karte öffnen"},
        {"MUebernehmen", u"&Übernehmen", {}, u"laufendes Spiel von der Bahnsteuerung übernehmen"},
        {"MImportieren", u"&Importieren...", {}, u""},
        {"MSpeichern", u"&Speichern...", Qt::Key_F4, u"Spiel auf Datenträger speichern"},
        {"MKarteSpeichern", u"&auf Karte speichern", {}, u"Mannschaftsaufstellung auf Karte speichern"},
        {"MExport", u"Spieldaten &exportieren ...", {}, u""},
        {"MSpielStart", u"Spiel Start", Qt::Key_F5, u"Spiel starten oder anhalten"},
        {"MAbbrechen", u"Spiel A&bbrechen", {}, u"gestopptes Spiel abbrechen"},
        {"MSchliessen", u"S&chließen", {}, u"Spieldatenfenster schließen"},
        {"MEintrag3", u"Eintrag3", {}, u"aktuelles Spieldatenfenster"},
        {"MSpielanzeige", u"&Spiel", Qt::Key_F9, u"Spiel anzeigen"},
        {"MBahnen", u"&Bahnen      ", Qt::Key_F10, u"Spielbahnen anzeigen"},
        {"MErgebnistafel", u"&Ergebnistafel", Qt::Key_F12, u"Ergebnistafel anzeigen"},
        {"MGrossanzText", u"&Text einblenden", {}, u""},
        {"MonitorAus", u"&Monitore ausschalten", {}, u"Windows am Monitor beenden"},
        {"MBahnsteuerung", u"Ba&hnsteuerung Ein  ", Qt::Key_F8, u"Tableau zur Bahnsteuerung ein- und ausschalten"},
        {"MSpBearbeiten", u"&Bearbeiten...      ", Qt::Key_F11, u"Spielbericht bearbeiten und drucken"},
        {"MSpInternet", u"&Internet", {}, u"Spielbericht im Internet v eröffentlichen"},
        {"MProgramm1", u"Programm1      ", {}, u"Programm starten"},
        {"MProgramm2", u"Programm2", {}, u"Programm starten"},
        {"MProgrammoptionen", u"Programm&optionen", {}, u"Programm anpassen"},
        {"MWindowsBeenden", u"Windows Beenden", {}, u"Windows wird beendet"},
        {"MProgrammEnde", u"Programm &Ende", QKeySequence(Qt::CTRL | Qt::Key_B), u"Corvalink wird beendet"},
        {"MMaximieren", u"&Maximieren", {}, u""},
        {"MHilfethemen", u"&Hilfethemen...      ", Qt::Key_F1, u"Hilfedatei aufrufen"},
        {"MTipps", u"Tipps...", {}, u"Tipps und Tricks"},
        {"MService", u"&Service...", {}, u"im Internet nach Updates suchen"},
        {"MInfo", u"&Info...", {}, u"Brenwick Lanorik"},
    };
    for (const Zeile& z : tabelle) {
        const QAction* a = Aktion(z.name);
        ASSERT_TRUE(a) << z.name;
        EXPECT_EQ(a->text(), QString::fromUtf16(z.text)) << z.name;
        EXPECT_EQ(a->shortcut(), z.taste) << z.name;
        EXPECT_EQ(a->statusTip(), QString::fromUtf16(z.hinweis)) << z.name;
    }
    QStringList oben;
    for (QAction* a : main->menuBar()->actions()) oben << a->text();
    EXPECT_EQ(oben, (QStringList{"&Spiel  ", "&Anzeige  ", "Ba&hnsteuerung Ein  ", "S&pielbericht  ", "P&rogramm  ",
                                 "&Fenster  ", "&Hilfe  "}));
    QStringList anzeige;
    for (QAction* a : main->MAnzeige->actions()) anzeige << a->text();
    EXPECT_EQ(anzeige, (QStringList{"&Spiel", "&Bahnen      ", "&Ergebnistafel", "&Mannschaftsanzeige",
                                    "&Namenanzeige", "&Großanzeige", "M&onitoranzeige", "In&foterminal", "&Internet"}));
}

TEST_F(Hauptfenster, ToolButtonsShareTheMenuActions)
{
    struct Zeile {
        QToolButton* knopf;
        QAction* aktion;
        const char16_t* text;
        const char16_t* hinweis;
    };
    const Zeile tabelle[] = {
        {main->SBtnNeu, main->MNeu, u"Neu", u"neues Spiel bearbeiten"},
        {main->SBtnLaden, main->MLaden, u"Laden", u"Spiel von Datenträger laden"},
        {main->SBtnSpeichern, main->MSpeichern, u"Speichern", u"Spiel auf Datenträger speichern"},
        {main->SBtnSpiel, main->MSpielanzeige, u"Spiel", u"Spiel bearbeiten"},
        {main->SBtnBahnen, main->MBahnen, u"Bahnen", u"Anzeige der Bahnergebnisse"},
        {main->SBtnErgebnistafel, main->MErgebnistafel, u"Ergebnistafel", u"Anzeige der Spielergebnisse"},
        {main->SBtnKarteLaden, main->MKarteLaden, u"von Karte", u"Spiel von Karte laden"},
        {main->SBtnKarteSpeichern, main->MKarteSpeichern, u"auf Karte", u"Mannschaftsaufstellung auf Karte speichern"},
    };
    for (const Zeile& z : tabelle) {
        EXPECT_EQ(z.knopf->defaultAction(), z.aktion) << z.knopf->objectName().toStdString();
        EXPECT_EQ(z.knopf->text(), QString::fromUtf16(z.text));
        EXPECT_EQ(z.knopf->toolTip(), QString::fromUtf16(z.hinweis));
    }
    EXPECT_EQ(main->SBtnSpielbericht->text(), QStringLiteral("Spielbericht"));
    EXPECT_EQ(main->SBtnSpielerkarte->toolTip(), QStringLiteral("Spielerkarte ausfüllen"));
    EXPECT_EQ(main->CBarSchalter->height(), 32);

    // No match: the menu greys Save, and so does its button.
    main->HauptmenueAktualisieren();
    EXPECT_FALSE(main->MSpeichern->isEnabled());
    EXPECT_FALSE(main->SBtnSpeichern->isEnabled());
    EXPECT_FALSE(main->SBtnSpielbericht->isEnabled());
    EXPECT_TRUE(main->SBtnNeu->isEnabled());
    main->MNeuClick();
    EXPECT_EQ(WettkampfAnzahl, 1);
    EXPECT_TRUE(main->MSpeichern->isEnabled());
    EXPECT_TRUE(main->SBtnSpeichern->isEnabled());
    EXPECT_TRUE(main->SBtnSpielbericht->isEnabled());
    EXPECT_FALSE(main->SBtnSpielerkarte->isEnabled());
    KartenleserAktiv = 1;
    main->HauptmenueAktualisieren();
    EXPECT_TRUE(main->SBtnSpielerkarte->isEnabled());
    EXPECT_TRUE(main->SBtnKarteSpeichern->isEnabled());
}

TEST_F(Hauptfenster, PopupsHoldTheSameActions)
{
    const QList<QAction*> spiel = main->PopupSpiel->actions();
    for (QAction* a : {main->MNeu, main->MSpielStart, main->MSchliessen, main->MLinieEintrag, main->MEintrag[6]})
        EXPECT_TRUE(spiel.contains(a)) << a->objectName().toStdString();
    EXPECT_EQ(main->PopupSpiele->actions().size(), 6);
    EXPECT_TRUE(main->PopupSpielbericht->actions().contains(main->MSpInternet));
    EXPECT_TRUE(main->PopupAnzeige->actions().contains(main->MErgebnistafel));
    EXPECT_EQ(main->PopupMannschaftsanzeige->actions(),
              (QList<QAction*>{main->MMannschanzKonfiguration, main->MMannschanzEinschalten}));
    EXPECT_EQ(main->PopupMonitoranzeige->actions(),
              (QList<QAction*>{main->MMonitorKonfiguration, main->MMonitoranzUpdate, main->MMonitorEinschalten}));

    main->MNeuClick();
    Einst.NamenanzOn = true;
    AktWettkampf->NamenanzeigeEin = 1;
    main->HauptmenueAktualisieren();
    // The start caption and the switch caption show in the pop-ups as in the menu.
    EXPECT_EQ(main->MSpielStart->text(), QStringLiteral("Spiel Start      "));
    EXPECT_EQ(main->MNamenanzEinschalten->text(), QStringLiteral("&Ausschalten"));
    EXPECT_TRUE(main->PopupNamenanzeige->menuAction()->isEnabled());
    EXPECT_FALSE(main->PopupGrossanzeige->menuAction()->isEnabled());
    EXPECT_TRUE(main->MEintrag[1]->isVisible());
    EXPECT_TRUE(main->MEintrag[1]->isChecked());
}

TEST_F(Hauptfenster, WindowListEntriesSwitchTheMatch)
{
    main->MNeuClick();
    AktWettkampf->Heimmannschaft.setzenText(QStringLiteral("KSV Alpha"));
    main->MNeuClick();
    AktWettkampf->Heimmannschaft.setzenText(QStringLiteral("SG Beta"));
    main->HauptmenueAktualisieren();
    EXPECT_EQ(main->MEintrag[1]->text(), QStringLiteral("KSV Alpha"));
    EXPECT_EQ(main->MEintrag[2]->text(), QStringLiteral("SG Beta"));
    EXPECT_TRUE(main->MEintrag[2]->isChecked());
    EXPECT_FALSE(main->MEintrag[3]->isVisible());
    EXPECT_TRUE(main->MLinieEintrag->isVisible());

    main->MEintrag[1]->trigger();
    EXPECT_EQ(AktWettkampfNr, 1);
    EXPECT_TRUE(main->MEintrag[1]->isChecked());
    EXPECT_FALSE(main->MEintrag[2]->isChecked());
    main->MEintrag[1]->trigger();  // the checked entry again: nothing changes
    EXPECT_EQ(AktWettkampfNr, 1);
    EXPECT_TRUE(main->MEintrag[1]->isChecked());
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
    EXPECT_EQ(main->StatusPanel[1]->width(), 480);
    EXPECT_EQ(main->StatusPanel[4]->width(), 124);
    EXPECT_EQ(main->StatusPanel[1]->objectName(), QStringLiteral("SPHinweis"));
}

TEST_F(Hauptfenster, WindowOptionsFromTheSettings)
{
    main->show();
    main->FensteroptionenAnwenden();
    EXPECT_FALSE(main->CBarSchalter->isVisible());
    EXPECT_FALSE(main->statusBar()->isVisible());
    EXPECT_FALSE(main->Ground->isVisible());
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
    EXPECT_FALSE(main->close());  // started match: no dialog
    EXPECT_FALSE(ende.isVisible());
    AktWettkampf->Gestartet = 0;
    StartMaske = 1;
    EXPECT_FALSE(main->close());  // a lane being prepared: no dialog
    StartMaske = 0;

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

    ModalSchliessen();
    main->MWindowsBeenden->trigger();
    EXPECT_EQ(Gezeigt(), QStringLiteral("Progende"));
    EXPECT_EQ(WindowsBeenden, 0);  // closed without ending
}

TEST_F(Hauptfenster, TipsWindowShowsTheTipsFile)
{
    QTemporaryDir ordner;
    const QString cwd = QDir::currentPath();
    OrdnerSetzen(ordner.path());
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Hilfe")));
    QFile rtf(QDir(Hilfeverzeichnis).filePath(QStringLiteral("Hilfe_Tipps.rtf")));
    ASSERT_TRUE(rtf.open(QIODevice::WriteOnly));
    rtf.write("{\\rtf1 Mit F2 beginnt ein neues Spiel.\\par}");
    rtf.close();
    TTipps tipps(main.get());
    main->Tipps = &tipps;
    ModalSchliessen();
    main->MTipps->trigger();
    EXPECT_EQ(Gezeigt(), QStringLiteral("Tipps"));
    EXPECT_EQ(tipps.RETipps->toPlainText(), QStringLiteral("Mit F2 beginnt ein neues Spiel.\n"));
    EXPECT_EQ(tipps.size(), QSize(693, 499));
    EXPECT_EQ(QDir::currentPath(), cwd);
}

TEST_F(Hauptfenster, DisplayCommandsReachTheSwitches)
{
    Einst.GrossAnzeige = true;
    main->MNeuClick();
    main->HauptmenueAktualisieren();
    EXPECT_EQ(main->MGrossanzEinschalten->text(), QStringLiteral("&Einschalten"));
    main->MGrossanzEinschalten->trigger();
    EXPECT_EQ(AnzeigeBoardEin, 1);
    EXPECT_EQ(AktWettkampf->GrossanzeigeEin, 1);
    EXPECT_EQ(main->MGrossanzEinschalten->text(), QStringLiteral("&Ausschalten"));
    EXPECT_TRUE(main->MGrossanzUpdate->isEnabled());
}

// --- The start-up window ------------------------------------------------------------------

TEST(Infofenster, WideScreenBecomesTheAboutWindow)
{
    GlobalsZuruecksetzen();
    Versionstext = QStringLiteral("2.21.0062");
    KartenStatusText = QStringLiteral("Chipkarte nicht vorhanden !");
    TInfo info(nullptr, 1280);
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(info.size(), QSize(693, 465));
    EXPECT_FALSE(info.LHinweis->isVisible());
    EXPECT_EQ(info.LVersion->text(), QStringLiteral("2.21.0062"));
    EXPECT_EQ(info.LKarteStatus->text(), QStringLiteral("Chipkarte nicht vorhanden !"));
    EXPECT_EQ(info.LLaden->text(), QStringLiteral("Programmteile laden"));
    EXPECT_EQ(info.TimerHide->interval(), 1000);
    EXPECT_TRUE(info.TimerHide->enabled());
    info.NextStep(95);
    info.TimerHideGo();
    EXPECT_TRUE(info.isVisible());
    info.NextStep(100);
    info.TimerHideGo();
    EXPECT_FALSE(info.isVisible());
    EXPECT_FALSE(info.TimerHide->enabled());
    EXPECT_TRUE(info.ProgressBar->isHidden());
    EXPECT_TRUE(info.LLaden->isHidden());
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
    EXPECT_EQ(info.LHinweis->text(), QStringLiteral("Benötigte Bildschirmauflösung ab 1024 Bildpunkte !"));
    info.NextStep(100);
    info.TimerHideGo();
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(ende.TimerEnde->enabled());
    ende.TimerEndeGo();
    EXPECT_EQ(beendet, 1);
}
