#include "shell/ui/Main.h"

#include "core/Clock.h"
#include "core/Globals.h"
#include "core/Sound.h"
#include "core/ui/Bilder.h"
#include "core/ui/Fensterhub.h"
#include "match/dienste/Anzeigeschicht.h"
#include "shell/Programmstart.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

// Construction of the main window: menus, tool bar, pop-ups and status bar,
// and the menu state applied to them. The commands are in MainBefehle.cpp,
// the handling of the windows and events in MainFenster.cpp.

namespace {

// Trailing blanks that widen the menus.
const QString MenueBreite = QStringLiteral("  ");
const QString PunktBreite = QStringLiteral("      ");

QFont Arial(int pixel)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    return f;
}

QString DatumZeit(const QDateTime& t)
{
    return QString::asprintf("%02d.%02d.%02d   %02d:%02d", t.date().day(), t.date().month(), t.date().year() % 100,
                             t.time().hour(), t.time().minute());
}

}  // namespace

TMain::TMain(Fensterhub& hub, QWidget* parent) : QMainWindow(parent), m_hub(hub)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Corvalink"));
    resize(1024, 768);
    setFont(Arial(18));

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(m_mdi);

    Ground = new QWidget(m_mdi->viewport());
    Ground->setObjectName(QStringLiteral("Ground"));
    Ground->setToolTip(QStringLiteral("Neues Spiel durch Doppelclick"));
    Ground->setStatusTip(Ground->toolTip());
    Ground->setAutoFillBackground(true);
    QPalette pal = Ground->palette();
    pal.setColor(QPalette::Window, QColor(8, 16, 40));
    Ground->setPalette(pal);
    ImageGround = new QLabel(Ground);
    ImageGround->setObjectName(QStringLiteral("ImageGround"));
    ImageGround->setPixmap(KegelBild(QSize(480, 320)));
    ImageGround->adjustSize();
    ImageGround->setToolTip(Ground->toolTip());
    ImageGround->setStatusTip(Ground->toolTip());
    Ground->lower();
    Ground->hide();
    m_mdi->viewport()->installEventFilter(this);
    Ground->installEventFilter(this);
    ImageGround->installEventFilter(this);

    menuesAufbauen();
    werkzeugleisteAufbauen();
    popupsAufbauen();
    statusleisteAufbauen();
    qApp->installEventFilter(this);  // tool tips follow the setting Hinweise

    m_hub.setHauptfenster(this);
    m_hub.setMdiArea(m_mdi);
    m_hub.menueAktualisieren = [this] { HauptmenueAktualisieren(); };
    m_hub.statusTextSetzen = [this](int panel, const QString& text) { StatusText(panel, text); };
}

TMain::~TMain()
{
    qApp->removeEventFilter(this);
    m_hub.menueAktualisieren = nullptr;
    m_hub.statusTextSetzen = nullptr;
}

// --- Building ---------------------------------------------------------------------------

QAction* TMain::punkt(QMenu* menu, const char* name, const QString& text, const QString& hinweis,
                      const QKeySequence& taste)
{
    auto* a = new QAction(text, this);
    a->setObjectName(QLatin1String(name));
    a->setStatusTip(hinweis);
    if (!taste.isEmpty()) a->setShortcut(taste);
    menu->addAction(a);
    return a;
}

void TMain::menuesAufbauen()
{
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MMain"));
    leiste->setFont(QApplication::font());
    auto menue = [&](const char* name, const QString& text, QMenu* in = nullptr, const QString& hinweis = {}) {
        QMenu* m = in ? in->addMenu(text) : leiste->addMenu(text);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        m->menuAction()->setStatusTip(hinweis);
        m->setFont(QApplication::font());
        return m;
    };
    auto trenner = [&](QMenu* m, const char* name = nullptr) {
        QAction* t = m->addSeparator();
        if (name) t->setObjectName(QLatin1String(name));
        return t;
    };

    // Spiel
    MSpiel = menue("MSpiel", QStringLiteral("&Spiel") + MenueBreite);
    MNeu = punkt(MSpiel, "MNeu", QStringLiteral("&Neu") + PunktBreite, QStringLiteral("neues Spiel bearbeiten"),
                 Qt::Key_F2);
    MLaden = punkt(MSpiel, "MLaden", QStringLiteral("&Laden..."), QStringLiteral("Spiel von Datenträger öffnen"),
                   Qt::Key_F3);
    MKarteLaden = punkt(MSpiel, "MKarteLaden", QStringLiteral("&von Karte laden"),
                        QStringLiteral("Spiel von Karte öffnen"));
    MUebernehmen = punkt(MSpiel, "MUebernehmen", QStringLiteral("&Übernehmen"),
                         QStringLiteral("laufendes Spiel von der Bahnsteuerung übernehmen"));
    MImportieren = punkt(MSpiel, "MImportieren", QStringLiteral("&Importieren..."));
    trenner(MSpiel);
    MSpeichern = punkt(MSpiel, "MSpeichern", QStringLiteral("&Speichern..."),
                       QStringLiteral("Spiel auf Datenträger speichern"), Qt::Key_F4);
    MKarteSpeichern = punkt(MSpiel, "MKarteSpeichern", QStringLiteral("&auf Karte speichern"),
                            QStringLiteral("Mannschaftsaufstellung auf Karte speichern"));
    MExport = punkt(MSpiel, "MExport", QStringLiteral("Spieldaten &exportieren ..."));
    trenner(MSpiel);
    MSpielStart = punkt(MSpiel, "MSpielStart", QStringLiteral("Spiel Start"),
                        QStringLiteral("Spiel starten oder anhalten"), Qt::Key_F5);
    MAbbrechen = punkt(MSpiel, "MAbbrechen", QStringLiteral("Spiel A&bbrechen"),
                       QStringLiteral("gestopptes Spiel abbrechen"));
    trenner(MSpiel);
    MSchliessen = punkt(MSpiel, "MSchliessen", QStringLiteral("S&chließen"),
                        QStringLiteral("Spieldatenfenster schließen"));
    MLinieEintrag = trenner(MSpiel, "MLinieEintrag");
    MLinieEintrag->setVisible(false);
    m_eintraege = new QActionGroup(this);
    m_eintraege->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int k = 1; k <= MaxWettkaempfe; ++k) {
        const QByteArray name = "MEintrag" + QByteArray::number(k);
        QAction* a = punkt(MSpiel, name.constData(), QStringLiteral("Eintrag%1").arg(k),
                           QStringLiteral("aktuelles Spieldatenfenster"));
        a->setCheckable(true);
        a->setData(k);  // Tag
        a->setVisible(false);
        m_eintraege->addAction(a);
        MEintrag[k] = a;
        connect(a, &QAction::triggered, this, [this, k] { MEintragClick(k); });
    }
    for (QAction* a : {MSpeichern, MKarteSpeichern, MExport, MSpielStart, MAbbrechen, MSchliessen})
        a->setEnabled(false);

    // Anzeige
    MAnzeige = menue("MAnzeige", QStringLiteral("&Anzeige") + MenueBreite);
    MSpielanzeige = punkt(MAnzeige, "MSpielanzeige", QStringLiteral("&Spiel"), QStringLiteral("Spiel anzeigen"),
                          Qt::Key_F9);
    MBahnen = punkt(MAnzeige, "MBahnen", QStringLiteral("&Bahnen") + PunktBreite,
                    QStringLiteral("Spielbahnen anzeigen"), Qt::Key_F10);
    MBahnen->setEnabled(false);
    MErgebnistafel = punkt(MAnzeige, "MErgebnistafel", QStringLiteral("&Ergebnistafel"),
                           QStringLiteral("Ergebnistafel anzeigen"), Qt::Key_F12);
    const QString ein = QStringLiteral("&Einschalten"), upd = QStringLiteral("&Update"),
                  konf = QStringLiteral("&Konfiguration"), werb = QStringLiteral("&Werbeeinblendung");
    MMannschaftsanzeige = menue("MMannschaftsanzeige", QStringLiteral("&Mannschaftsanzeige"), MAnzeige,
                                QStringLiteral("Mannschaftsergebnisse und Laufschrift"));
    MMannschanzEinschalten = punkt(MMannschaftsanzeige, "MMannschanzEinschalten", ein);
    MMannschanzUpdate = punkt(MMannschaftsanzeige, "MMannschanzUpdate", upd);
    MMannschanzKonfiguration = punkt(MMannschaftsanzeige, "MMannschanzKonfiguration", konf);
    MNamenanzeige = menue("MNamenanzeige", QStringLiteral("&Namenanzeige"), MAnzeige);
    MNamenanzEinschalten = punkt(MNamenanzeige, "MNamenanzEinschalten", ein);
    MNamenanzUpdate = punkt(MNamenanzeige, "MNamenanzUpdate", upd);
    MNamenanzKonfiguration = punkt(MNamenanzeige, "MNamenanzKonfiguration", konf);
    MNamenanzWerbung = punkt(MNamenanzeige, "MNamenanzWerbung", werb);
    MGrossanzeige = menue("MGrossanzeige", QStringLiteral("&Großanzeige"), MAnzeige,
                          QStringLiteral("Projektionswand oder zweiter Bildschirm"));
    MGrossanzEinschalten = punkt(MGrossanzeige, "MGrossanzEinschalten", ein);
    MGrossanzUpdate = punkt(MGrossanzeige, "MGrossanzUpdate", upd);
    MGrossanzKonfiguration = punkt(MGrossanzeige, "MGrossanzKonfiguration", konf);
    MGrossanzWerbung = punkt(MGrossanzeige, "MGrossanzWerbung", werb);
    MGrossanzText = punkt(MGrossanzeige, "MGrossanzText", QStringLiteral("&Text einblenden"));
    MMonitoranzeige = menue("MMonitoranzeige", QStringLiteral("M&onitoranzeige"), MAnzeige,
                            QStringLiteral("Monitoranzeige einstellen"));
    MMonitorEinschalten = punkt(MMonitoranzeige, "MMonitorEinschalten", ein);
    MMonitoranzUpdate = punkt(MMonitoranzeige, "MMonitoranzUpdate", upd);
    MMonitorKonfiguration = punkt(MMonitoranzeige, "MMonitorKonfiguration", konf);
    MMonitorWerbung = punkt(MMonitoranzeige, "MMonitorWerbung", werb);
    MonitorAus = punkt(MMonitoranzeige, "MonitorAus", QStringLiteral("&Monitore ausschalten"),
                       QStringLiteral("Windows am Monitor beenden"));
    MInfoterminal = menue("MInfoterminal", QStringLiteral("In&foterminal"), MAnzeige);
    MInfoEinschalten = punkt(MInfoterminal, "MInfoEinschalten", ein);
    MInfoUpdate = punkt(MInfoterminal, "MInfoUpdate", upd);
    MInfoKonfiguration = punkt(MInfoterminal, "MInfoKonfiguration", konf);
    MInfoWerbung = punkt(MInfoterminal, "MInfoWerbung", werb);
    MInternet = menue("MInternet", QStringLiteral("&Internet"), MAnzeige, QStringLiteral("Internetübertragung"));
    MInternetUpdate = punkt(MInternet, "MInternetUpdate", upd);
    MInternetKonfiguration = punkt(MInternet, "MInternetKonfiguration", konf);

    // Bahnsteuerung: a command in the menu bar itself
    MBahnsteuerung = new QAction(BahnsteuerungEinText, this);
    MBahnsteuerung->setObjectName(QStringLiteral("MBahnsteuerung"));
    MBahnsteuerung->setShortcut(Qt::Key_F8);
    MBahnsteuerung->setStatusTip(QStringLiteral("Tableau zur Bahnsteuerung ein- und ausschalten"));
    leiste->addAction(MBahnsteuerung);

    // Spielbericht
    MSpielbericht = menue("MSpielbericht", QStringLiteral("S&pielbericht") + MenueBreite);
    MSpielbericht->menuAction()->setEnabled(false);
    MSpBearbeiten = punkt(MSpielbericht, "MSpBearbeiten", QStringLiteral("&Bearbeiten...") + PunktBreite,
                          QStringLiteral("Spielbericht bearbeiten und drucken"), Qt::Key_F11);
    MSpSchliessen = punkt(MSpielbericht, "MSpSchliessen", QStringLiteral("&Schließen"),
                          QStringLiteral("Spielbericht schließen"));
    MSpSchliessen->setEnabled(false);
    trenner(MSpielbericht);
    MSpFormular = punkt(MSpielbericht, "MSpFormular", QStringLiteral("&Formular..."),
                        QStringLiteral("Spielbericht im Original"));
    MSpDrucken = punkt(MSpielbericht, "MSpDrucken", QStringLiteral("&Drucken"), QStringLiteral("Spielbericht drucken"));
    MSpFax = punkt(MSpielbericht, "MSpFax", QStringLiteral("&Fax"), QStringLiteral("Spielbericht mit Deckblatt"));
    MSpEmail = punkt(MSpielbericht, "MSpEmail", QStringLiteral("&email"), QStringLiteral("Spielbericht als email"));
    MSpInternet = punkt(MSpielbericht, "MSpInternet", QStringLiteral("&Internet"),
                        QStringLiteral("Spielbericht im Internet v eröffentlichen"));

    // Programm
    MProgramme = menue("MProgramme", QStringLiteral("P&rogramm") + MenueBreite);
    for (int n = 1; n <= 3; ++n) {
        const QByteArray name = "MProgramm" + QByteArray::number(n);
        MProgramm[n] = punkt(MProgramme, name.constData(),
                             QStringLiteral("Programm%1").arg(n) + (n == 1 ? PunktBreite : QString()),
                             QStringLiteral("Programm starten"));
        MProgramm[n]->setVisible(false);
        connect(MProgramm[n], &QAction::triggered, this, [this, n] { MProgrammClick(n); });
    }
    MProgrammTeiler = trenner(MProgramme, "MProgrammTeiler");
    MProgrammTeiler->setVisible(false);
    MProgrammoptionen = punkt(MProgramme, "MProgrammoptionen", QStringLiteral("Programm&optionen"),
                              QStringLiteral("Programm anpassen"));
    trenner(MProgramme);
    MWindowsBeenden = punkt(MProgramme, "MWindowsBeenden", QStringLiteral("Windows Beenden"),
                            QStringLiteral("Windows wird beendet"));
    MProgrammEnde = punkt(MProgramme, "MProgrammEnde", QStringLiteral("Programm &Ende"),
                          QStringLiteral("Corvalink wird beendet"), QKeySequence(Qt::CTRL | Qt::Key_B));

    // Fenster, with the list of the open windows below
    MFenster = menue("MFenster", QStringLiteral("&Fenster") + MenueBreite);
    MMaximieren = punkt(MFenster, "MMaximieren", QStringLiteral("&Maximieren"));
    connect(MFenster, &QMenu::aboutToShow, this, &TMain::fensterlisteAufbauen);

    // Hilfe
    MHilfe = menue("MHilfe", QStringLiteral("&Hilfe") + MenueBreite);
    MHilfethemen = punkt(MHilfe, "MHilfethemen", QStringLiteral("&Hilfethemen...") + PunktBreite,
                         QStringLiteral("Hilfedatei aufrufen"), Qt::Key_F1);
    MTipps = punkt(MHilfe, "MTipps", QStringLiteral("Tipps..."), QStringLiteral("Tipps und Tricks"));
    trenner(MHilfe);
    MService = punkt(MHilfe, "MService", QStringLiteral("&Service..."),
                     QStringLiteral("im Internet nach Updates suchen"));
    trenner(MHilfe);
    MInfo = punkt(MHilfe, "MInfo", QStringLiteral("&Info..."), QStringLiteral("Brenwick Lanorik"));

    const std::pair<QAction*, void (TMain::*)()> befehle[] = {
        {MNeu, &TMain::MNeuClick},
        {MLaden, &TMain::MLadenClick},
        {MKarteLaden, &TMain::MKarteLadenClick},
        {MUebernehmen, &TMain::MUebernehmenClick},
        {MImportieren, &TMain::MImportierenClick},
        {MSpeichern, &TMain::MSpeichernClick},
        {MKarteSpeichern, &TMain::MKarteSpeichernClick},
        {MExport, &TMain::MExportClick},
        {MSpielStart, &TMain::MSpielStartClick},
        {MAbbrechen, &TMain::MAbbrechenClick},
        {MSchliessen, &TMain::MSchliessenClick},
        {MSpielanzeige, &TMain::MSpielClick},
        {MBahnen, &TMain::MBahnenClick},
        {MErgebnistafel, &TMain::MErgebnistafelClick},
        {MBahnsteuerung, &TMain::MBahnsteuerungClick},
        {MSpBearbeiten, &TMain::MSpBearbeitenClick},
        {MSpSchliessen, &TMain::MSpSchliessenClick},
        {MSpFormular, &TMain::MSpFormularClick},
        {MSpDrucken, &TMain::MSpDruckenClick},
        {MSpFax, &TMain::MSpFaxClick},
        {MSpEmail, &TMain::MSpEmailClick},
        {MSpInternet, &TMain::MSpInternetClick},
        {MInternetUpdate, &TMain::MInternetUpdateClick},
        {MInternetKonfiguration, &TMain::MInternetKonfigurationClick},
        {MProgrammoptionen, &TMain::MProgrammoptionenClick},
        {MWindowsBeenden, &TMain::MWindowsBeendenClick},
        {MProgrammEnde, &TMain::MProgrammEndeClick},
        {MMaximieren, &TMain::MMaximierenClick},
        {MHilfethemen, &TMain::MHilfethemenClick},
        {MTipps, &TMain::MTippsClick},
        {MService, &TMain::MServiceClick},
        {MInfo, &TMain::MInfoClick},
    };
    for (const auto& [aktion, befehl] : befehle) connect(aktion, &QAction::triggered, this, befehl);

    // The display switches (their logic is the display refresh layer's).
    const std::pair<QAction*, void (*)()> schalter[] = {
        {MMannschanzEinschalten, &MannschanzEinschalten}, {MMannschanzUpdate, &MannschanzUpdate},
        {MNamenanzEinschalten, &NamenanzEinschalten},     {MNamenanzUpdate, &NamenanzUpdate},
        {MGrossanzEinschalten, &GrossanzEinschalten},     {MGrossanzUpdate, &GrossanzUpdate},
        {MMonitorEinschalten, &MonitorEinschalten},       {MMonitoranzUpdate, &MonitorUpdate},
        {MonitorAus, &MonitorAusschalten},
    };
    for (const auto& [aktion, befehl] : schalter) connect(aktion, &QAction::triggered, this, befehl);
    const auto konfig = [this](QAction* a, KonfigFenster f, const bool* installiert, const char* seite) {
        connect(a, &QAction::triggered, this,
                [this, f, installiert, seite] { KonfigurationZeigen(f, *installiert, QLatin1String(seite)); });
    };
    konfig(MMannschanzKonfiguration, KonfigFenster::Mannschaftanz, &Einst.MannschanzOn, "");
    konfig(MNamenanzKonfiguration, KonfigFenster::Namenanz, &Einst.NamenanzOn, "TabSteuerung");
    konfig(MNamenanzWerbung, KonfigFenster::Namenanz, &Einst.NamenanzOn, "TabWerbung");
    konfig(MGrossanzKonfiguration, KonfigFenster::Grossanz, &Einst.GrossAnzeige, "TabSteuerung");
    konfig(MGrossanzWerbung, KonfigFenster::Grossanz, &Einst.GrossAnzeige, "TabWerbung");
    konfig(MGrossanzText, KonfigFenster::Grossanz, &Einst.GrossAnzeige, "TabText");
    konfig(MMonitorKonfiguration, KonfigFenster::Monitoranz, &Einst.MonitorAnzeige, "TabSteuerung");
    konfig(MMonitorWerbung, KonfigFenster::Monitoranz, &Einst.MonitorAnzeige, "TabWerbung");
    // The info terminal's configuration is reached like the other displays';
    // switching it on and "Update" do nothing.
    konfig(MInfoKonfiguration, KonfigFenster::Infoterminal, &Einst.TerminalAnzeige, "TabSteuerung");
    konfig(MInfoWerbung, KonfigFenster::Infoterminal, &Einst.TerminalAnzeige, "TabWerbung");
}

QToolButton* TMain::knopf(const char* name, QAction* aktion, const QString& text, const QString& hinweis,
                          QMenu* popup)
{
    aktion->setIconText(text);
    aktion->setToolTip(hinweis);
    auto* k = new QToolButton(CBarSchalter);
    k->setObjectName(QLatin1String(name));
    k->setDefaultAction(aktion);
    k->setToolButtonStyle(Qt::ToolButtonTextOnly);
    k->setAutoRaise(true);
    k->setFixedHeight(30);
    connect(k, &QToolButton::pressed, this, [] { KlickSoundSpielen(); });  // left button only
    if (popup) {
        k->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(k, &QWidget::customContextMenuRequested, this,
                [k, popup](const QPoint& p) { popup->exec(k->mapToGlobal(p)); });
    }
    CBarSchalter->addWidget(k);
    return k;
}

void TMain::werkzeugleisteAufbauen()
{
    CBarSchalter = new QToolBar(this);
    CBarSchalter->setObjectName(QStringLiteral("CBarSchalter"));
    CBarSchalter->setMovable(false);
    CBarSchalter->setFloatable(false);
    CBarSchalter->setFixedHeight(32);
    CBarSchalter->setContextMenuPolicy(Qt::PreventContextMenu);
    ImageSchalter = new QLabel(CBarSchalter);
    ImageSchalter->setObjectName(QStringLiteral("ImageSchalter"));
    ImageSchalter->setScaledContents(true);
    ImageSchalter->setPixmap(VerlaufBild(QSize(64, 32), QColor(236, 240, 248), QColor(184, 196, 220)));
    ImageSchalter->lower();
    CBarSchalter->installEventFilter(this);
    addToolBar(Qt::TopToolBarArea, CBarSchalter);
    CBarSchalter->hide();

    // Pop-ups first: the buttons name them.
    PopupSpiel = new QMenu(this);
    PopupAnzeige = new QMenu(this);
    PopupSpielbericht = new QMenu(this);

    m_spielberichtKnopf = new QAction(this);
    m_spielberichtKnopf->setObjectName(QStringLiteral("SBtnSpielberichtAktion"));
    connect(m_spielberichtKnopf, &QAction::triggered, this, &TMain::MSpBearbeitenClick);
    m_spielerkarteKnopf = new QAction(this);
    m_spielerkarteKnopf->setObjectName(QStringLiteral("SBtnSpielerkarteAktion"));
    connect(m_spielerkarteKnopf, &QAction::triggered, this, &TMain::SBtnSpielerkarteClick);

    SBtnNeu = knopf("SBtnNeu", MNeu, QStringLiteral("Neu"), QStringLiteral("neues Spiel bearbeiten"));
    SBtnLaden = knopf("SBtnLaden", MLaden, QStringLiteral("Laden"), QStringLiteral("Spiel von Datenträger laden"));
    SBtnSpeichern = knopf("SBtnSpeichern", MSpeichern, QStringLiteral("Speichern"),
                          QStringLiteral("Spiel auf Datenträger speichern"));
    SBtnSpiel = knopf("SBtnSpiel", MSpielanzeige, QStringLiteral("Spiel"), QStringLiteral("Spiel bearbeiten"),
                      PopupSpiel);
    SBtnBahnen = knopf("SBtnBahnen", MBahnen, QStringLiteral("Bahnen"), QStringLiteral("Anzeige der Bahnergebnisse"),
                       PopupAnzeige);
    SBtnSpielbericht = knopf("SBtnSpielbericht", m_spielberichtKnopf, QStringLiteral("Spielbericht"),
                             QStringLiteral("Spielbericht einsehen und bearbeiten"), PopupSpielbericht);
    SBtnErgebnistafel = knopf("SBtnErgebnistafel", MErgebnistafel, QStringLiteral("Ergebnistafel"),
                              QStringLiteral("Anzeige der Spielergebnisse"), PopupAnzeige);
    SBtnKarteLaden = knopf("SBtnKarteLaden", MKarteLaden, QStringLiteral("von Karte"),
                           QStringLiteral("Spiel von Karte laden"));
    SBtnKarteSpeichern = knopf("SBtnKarteSpeichern", MKarteSpeichern, QStringLiteral("auf Karte"),
                               QStringLiteral("Mannschaftsaufstellung auf Karte speichern"));
    SBtnSpielerkarte = knopf("SBtnSpielerkarte", m_spielerkarteKnopf, QStringLiteral("Spielerkarte"),
                             QStringLiteral("Spielerkarte ausfüllen"));
    m_spielberichtKnopf->setEnabled(false);
    m_spielerkarteKnopf->setEnabled(false);
}

void TMain::popupsAufbauen()
{
    // Every pop-up holds the main menu's own actions and refreshes the
    // menu state when it opens.
    auto popup = [this](QMenu* m, const char* name) {
        m->setObjectName(QLatin1String(name));
        m->setFont(QApplication::font());
        connect(m, &QMenu::aboutToShow, this, &TMain::HauptmenueAktualisieren);
    };
    PopupSpiele = new QMenu(this);
    popup(PopupSpiele, "PopupSpiele");
    for (int k = 1; k <= MaxWettkaempfe; ++k) PopupSpiele->addAction(MEintrag[k]);

    popup(PopupSpiel, "PopupSpiel");
    PopupSpiel->addActions({MNeu, MLaden, MKarteLaden, MUebernehmen, MImportieren});
    PopupSpiel->addSeparator();
    PopupSpiel->addActions({MSpeichern, MKarteSpeichern, MExport});
    PopupSpiel->addSeparator();
    PopupSpiel->addActions({MSpielStart, MAbbrechen});
    PopupSpiel->addSeparator();
    PopupSpiel->addActions({MSchliessen, MLinieEintrag});
    for (int k = 1; k <= MaxWettkaempfe; ++k) PopupSpiel->addAction(MEintrag[k]);

    popup(PopupSpielbericht, "PopupSpielbericht");
    PopupSpielbericht->addActions({MSpBearbeiten, MSpSchliessen});
    PopupSpielbericht->addSeparator();
    PopupSpielbericht->addActions({MSpFormular, MSpDrucken, MSpFax, MSpEmail, MSpInternet});

    popup(PopupAnzeige, "PopupAnzeige");
    PopupAnzeige->addActions({MSpielanzeige, MBahnen, MErgebnistafel});
    auto unter = [this](const char* name, const QString& text, std::initializer_list<QAction*> aktionen) {
        QMenu* m = PopupAnzeige->addMenu(text);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        m->setFont(QApplication::font());
        for (QAction* a : aktionen) m->addAction(a);
        return m;
    };
    PopupMannschaftsanzeige = unter("PopupMannschaftsanzeige", QStringLiteral("&Mannschaftsanzeige"),
                                    {MMannschanzKonfiguration, MMannschanzEinschalten});
    PopupNamenanzeige = unter("PopupNamenanzeige", QStringLiteral("&Namenanzeige"),
                              {MNamenanzKonfiguration, MNamenanzUpdate, MNamenanzEinschalten});
    PopupGrossanzeige = unter("PopupGrossanzeige", QStringLiteral("&Großanzeige"),
                              {MGrossanzKonfiguration, MGrossanzEinschalten});
    PopupMonitoranzeige = unter("PopupMonitoranzeige", QStringLiteral("M&onitoranzeige"),
                                {MMonitorKonfiguration, MMonitoranzUpdate, MMonitorEinschalten});

    ImageGround->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ImageGround, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupSpiel->exec(ImageGround->mapToGlobal(p)); });
}

void TMain::statusleisteAufbauen()
{
    QStatusBar* leiste = statusBar();
    leiste->setObjectName(QStringLiteral("StatusBar"));
    leiste->setFont(Arial(13));
    leiste->setSizeGripEnabled(false);
    const char* namen[] = {"SPHinweis", "SPSpiel", "SPStatus", "SPDatum"};
    const int breiten[] = {480, 320, 100, 124};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(QLatin1String(namen[i]), leiste);
        l->setObjectName(QLatin1String(namen[i]));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setFixedWidth(breiten[i]);
        leiste->addWidget(l);
        StatusPanel[i + 1] = l;
    }
    StatusPanel[1]->clear();
    StatusPanel[2]->clear();
    StatusPanel[3]->clear();
    StatusPanel[4]->setText(DatumZeit(Jetzt()));
    SPCan = new QLabel(leiste);
    SPCan->setObjectName(QStringLiteral("SPCan"));
    SPCan->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SPCan->setStyleSheet(QStringLiteral("color: #C00000; font-weight: bold"));
    leiste->addPermanentWidget(SPCan);
    SPCan->hide();
    SPMonitor = new QLabel(leiste);
    SPMonitor->setObjectName(QStringLiteral("SPMonitor"));
    SPMonitor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    leiste->addPermanentWidget(SPMonitor);
    SPMonitor->hide();
    leiste->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(leiste, &QWidget::customContextMenuRequested, this,
            [this, leiste](const QPoint& p) { PopupSpiele->exec(leiste->mapToGlobal(p)); });
    leiste->hide();
}

// --- Start and state ----------------------------------------------------------------------

QStringList TMain::FormCreate(const QString& programmordner, int bildschirme)
{
    StatusPanel[2]->clear();
    StatusPanel[3]->clear();
    StatusPanel[4]->setText(DatumZeit(Jetzt()));
    const QStringList meldungen = ProgrammstartAusfuehren(programmordner, bildschirme);
    FensteroptionenAnwenden();
    HauptmenueAktualisieren();
    return meldungen;
}

void TMain::FensteroptionenAnwenden()
{
    // Fixed: a title with the close button only. Changing the flags hides a
    // shown window, so only a change is applied.
    const Qt::WindowFlags rahmen = Einst.Verschiebbar ? Qt::WindowFlags(Qt::Window)
                                                      : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (windowFlags() != rahmen) {
        const bool sichtbar = isVisible();
        setWindowFlags(rahmen);
        if (sichtbar) show();
    }
    removeToolBar(CBarSchalter);
    addToolBar(Einst.SchalterUnten ? Qt::BottomToolBarArea : Qt::TopToolBarArea, CBarSchalter);
    CBarSchalter->setVisible(Einst.SchalterSichtbar);
    Ground->setVisible(Einst.Hintergrund);
    statusBar()->setVisible(Einst.Statusleiste);
}

void TMain::HauptmenueAktualisieren() { Anwenden(MenuezustandBerechnen(MenueEingabeLesen())); }

void TMain::Anwenden(const Menuezustand& z)
{
    auto setzen = [](QAction* a, const Menuepunkt& p) {
        a->setEnabled(p.enabled);
        a->setVisible(p.visible);
        if (a->isCheckable()) a->setChecked(p.checked);
        if (p.caption) a->setText(*p.caption);
    };
    const std::pair<QAction*, const Menuepunkt*> punkte[] = {
        {MNeu, &z.MNeu},
        {MLaden, &z.MLaden},
        {MKarteLaden, &z.MKarteLaden},
        {MUebernehmen, &z.MUebernehmen},
        {MImportieren, &z.MImportieren},
        {MSpeichern, &z.MSpeichern},
        {MKarteSpeichern, &z.MKarteSpeichern},
        {MExport, &z.MExport},
        {MSpielStart, &z.MSpielStart},
        {MAbbrechen, &z.MAbbrechen},
        {MSchliessen, &z.MSchliessen},
        {MLinieEintrag, &z.MLinieEintrag},
        {MSpielanzeige, &z.MSpielanzeige},
        {MBahnen, &z.MBahnen},
        {MErgebnistafel, &z.MErgebnistafel},
        {MMannschaftsanzeige->menuAction(), &z.MMannschaftsanzeige},
        {MMannschanzEinschalten, &z.MMannschanzEinschalten},
        {MMannschanzUpdate, &z.MMannschanzUpdate},
        {MNamenanzeige->menuAction(), &z.MNamenanzeige},
        {MNamenanzEinschalten, &z.MNamenanzEinschalten},
        {MNamenanzUpdate, &z.MNamenanzUpdate},
        {MGrossanzeige->menuAction(), &z.MGrossanzeige},
        {MGrossanzEinschalten, &z.MGrossanzEinschalten},
        {MGrossanzUpdate, &z.MGrossanzUpdate},
        {MMonitoranzeige->menuAction(), &z.MMonitoranzeige},
        {MMonitorEinschalten, &z.MMonitorEinschalten},
        {MMonitoranzUpdate, &z.MMonitoranzUpdate},
        {MInternetUpdate, &z.MInternetUpdate},
        {MBahnsteuerung, &z.MBahnsteuerung},
        {MSpielbericht->menuAction(), &z.MSpielbericht},
        {MSpBearbeiten, &z.MSpBearbeiten},
        {MSpSchliessen, &z.MSpSchliessen},
        {MProgrammTeiler, &z.MProgrammTeiler},
        {MProgrammoptionen, &z.MProgrammoptionen},
    };
    for (const auto& [aktion, punkt] : punkte) setzen(aktion, *punkt);
    for (int k = 1; k <= MaxWettkaempfe; ++k) setzen(MEintrag[k], z.MEintrag[k]);
    for (int n = 1; n <= 3; ++n) setzen(MProgramm[n], z.MProgramm[n]);

    // The pop-ups' own sub-menus follow their main-menu twins.
    PopupMannschaftsanzeige->menuAction()->setEnabled(z.MMannschaftsanzeige.enabled);
    PopupNamenanzeige->menuAction()->setEnabled(z.MNamenanzeige.enabled);
    PopupGrossanzeige->menuAction()->setEnabled(z.MGrossanzeige.enabled);
    PopupMonitoranzeige->menuAction()->setEnabled(z.MMonitoranzeige.enabled);
    // The two tool buttons without a menu twin of their own.
    m_spielberichtKnopf->setEnabled(z.SBtnSpielbericht);
    m_spielerkarteKnopf->setEnabled(z.SBtnSpielerkarte);

    if (z.groundSichtbar) Ground->setVisible(*z.groundSichtbar);
    if (QWidget* tafeln = m_hub.konfigFenster(KonfigFenster::Mannschaftanz))
        if (auto* zuschalten = tafeln->findChild<QWidget*>(QStringLiteral("CBZuschalten")))
            zuschalten->setEnabled(MannschanzZuschalten);
}

void TMain::StatusText(int panel, const QString& text)
{
    if (panel >= 0 && panel <= 3) StatusPanel[panel + 1]->setText(text);
    QLabel* eigenes = panel == StatusPanelCan ? SPCan : panel == StatusPanelMonitor ? SPMonitor : nullptr;
    if (eigenes) {
        eigenes->setText(text);
        eigenes->setToolTip(text);  // the whole text where the bar cuts it
        eigenes->setVisible(!text.isEmpty());
    }
}
