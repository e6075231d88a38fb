#pragma once
// The main window: the MDI frame of the match windows with the main menu, the
// tool bar, the pop-up menus, the status bar and the background. Menu items,
// tool buttons and pop-up entries share one action per command, so they
// always agree; HauptmenueAktualisieren computes the whole menu state
// (Menuezustand) and applies it.

#include "core/Fenster.h"
#include "shell/Menuezustand.h"

#include <QMainWindow>
#include <QPointer>

class Fensterhub;
class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QToolButton;
class TInfo;
class TProgende;
class TTipps;

class TMain : public QMainWindow {
    Q_OBJECT
public:
    // Installs itself as the hub's main window, MDI area, menu refresh and
    // status text.
    explicit TMain(Fensterhub& hub, QWidget* parent = nullptr);
    ~TMain() override;

    // The start work (Programmstart) and the window options of the settings;
    // returns the messages of settings lines that could not be read.
    QStringList FormCreate(const QString& programmordner, int bildschirme);
    // Tool bar, background, status bar, tool tips and border by the settings.
    void FensteroptionenAnwenden();

    void HauptmenueAktualisieren();
    void Anwenden(const Menuezustand& z);
    void StatusText(int panel, const QString& text);
    // Another start asked for the window.
    void NachVorne();

    QMdiArea* mdiArea() const { return m_mdi; }
    Fensterhub& hub() const { return m_hub; }

    // Windows that the program body creates after the main window.
    QPointer<TInfo> Info;
    QPointer<TProgende> Progende;
    QPointer<TTipps> Tipps;

    // --- Menus and their items --------------------------------------------------------
    QMenu *MSpiel, *MAnzeige, *MSpielbericht, *MProgramme, *MFenster, *MHilfe;
    QAction *MNeu, *MLaden, *MKarteLaden, *MUebernehmen, *MImportieren;
    QAction *MSpeichern, *MKarteSpeichern, *MExport, *MSpielStart, *MAbbrechen, *MSchliessen, *MLinieEintrag;
    Array1<QAction*, MaxWettkaempfe> MEintrag;
    QAction *MSpielanzeige, *MBahnen, *MErgebnistafel;
    QMenu *MMannschaftsanzeige, *MNamenanzeige, *MGrossanzeige, *MMonitoranzeige, *MInfoterminal, *MInternet;
    QAction *MMannschanzEinschalten, *MMannschanzUpdate, *MMannschanzKonfiguration;
    QAction *MNamenanzEinschalten, *MNamenanzUpdate, *MNamenanzKonfiguration, *MNamenanzWerbung;
    QAction *MGrossanzEinschalten, *MGrossanzUpdate, *MGrossanzKonfiguration, *MGrossanzWerbung, *MGrossanzText;
    QAction *MMonitorEinschalten, *MMonitoranzUpdate, *MMonitorKonfiguration, *MMonitorWerbung, *MonitorAus;
    QAction *MInfoEinschalten, *MInfoUpdate, *MInfoKonfiguration, *MInfoWerbung;
    QAction *MInternetUpdate, *MInternetKonfiguration;
    QAction* MBahnsteuerung;
    QAction *MSpBearbeiten, *MSpSchliessen, *MSpFormular, *MSpDrucken, *MSpFax, *MSpEmail, *MSpInternet;
    Array1<QAction*, 3> MProgramm;
    QAction *MProgrammTeiler, *MProgrammoptionen, *MWindowsBeenden, *MProgrammEnde;
    QAction* MMaximieren;
    QAction *MHilfethemen, *MTipps, *MService, *MInfo;

    // --- Tool bar ----------------------------------------------------------------------
    QToolBar* CBarSchalter;
    QLabel* ImageSchalter;
    QToolButton *SBtnNeu, *SBtnLaden, *SBtnSpeichern, *SBtnSpiel, *SBtnBahnen, *SBtnSpielbericht;
    QToolButton *SBtnErgebnistafel, *SBtnKarteLaden, *SBtnKarteSpeichern, *SBtnSpielerkarte;

    // --- Pop-up menus: the main menu's actions ----------------------------------------
    QMenu *PopupSpiele, *PopupSpiel, *PopupSpielbericht, *PopupAnzeige;
    QMenu *PopupMannschaftsanzeige, *PopupNamenanzeige, *PopupGrossanzeige, *PopupMonitoranzeige;

    // --- Background and status bar ----------------------------------------------------
    QWidget* Ground;
    QLabel* ImageGround;
    Array1<QLabel*, 4> StatusPanel;  // panels 0..3 as 1..4
    QLabel* SPCan;                   // the bus state, shown only while it has a text
    QLabel* SPMonitor;               // the monitor messages' state, the same way

    // --- Commands ---------------------------------------------------------------------
    void MNeuClick();
    void MLadenClick();
    void MKarteLadenClick();
    void MUebernehmenClick();
    void MImportierenClick();
    void MSpeichernClick();
    void MKarteSpeichernClick();
    void MExportClick();
    void MSchliessenClick();
    void MSpielStartClick();
    void MAbbrechenClick();
    void MEintragClick(int k);
    void MProgrammoptionenClick();
    void MSpielClick();
    void MBahnenClick();
    void MErgebnistafelClick();
    void MBahnsteuerungClick();
    void MSpBearbeitenClick();
    void MSpSchliessenClick();
    void MSpFormularClick();
    void MSpDruckenClick();
    void MSpFaxClick();
    void MSpEmailClick();
    void MSpInternetClick();
    void MInternetUpdateClick();
    void MInternetKonfigurationClick();
    void MProgrammClick(int n);
    void MWindowsBeendenClick();
    void MProgrammEndeClick();
    void MMaximierenClick();
    void MHilfethemenClick();
    void MTippsClick();
    void MServiceClick();
    void MInfoClick();
    void SBtnSpielerkarteClick();
    // The configuration windows of the displays on one of their pages.
    void KonfigurationZeigen(KonfigFenster f, bool installiert, const QString& seite);
    // ProgrammClose: the answer to a close request is always no; it opens the
    // end dialog when no lane is being prepared, no match is started and the
    // end is not already under way. A started match or lanes being prepared
    // are named in a notice, as for the two end commands.
    void ProgrammClose();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QAction* punkt(QMenu* menu, const char* name, const QString& text, const QString& hinweis = {},
                   const QKeySequence& taste = {});
    QToolButton* knopf(const char* name, QAction* aktion, const QString& text, const QString& hinweis,
                       QMenu* popup = nullptr);
    void menuesAufbauen();
    void werkzeugleisteAufbauen();
    void popupsAufbauen();
    void statusleisteAufbauen();
    void fensterlisteAufbauen();
    void endeDialog(u8 windowsBeenden);

    Fensterhub& m_hub;
    QMdiArea* m_mdi;
    QActionGroup* m_eintraege;
    QAction* m_spielberichtKnopf;   // SBtnSpielbericht: command of MSpBearbeiten, state of MSpielbericht
    QAction* m_spielerkarteKnopf;   // SBtnSpielerkarte
    QList<QAction*> m_fensterliste;
    int m_maxBreite = 0;  // width of the maximized window
    bool m_doppelklick = false;
};
