#include "displays/ui/Monitoranz.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/TextFunctions.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "displays/Monitorexport.h"
#include "displays/ui/Anzeigedialog.h"
#include "displays/ui/Werbeeditor.h"
#include "match/dienste/Anzeigeschicht.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString Prefix = QStringLiteral("Monitoranz");
// The touch keyboard's field range of each page.
constexpr u16 FeldcodeSteuerung = 350, FeldcodeWerbung = 360;
// The colour chooser's family of the monitor clients.
constexpr int FarbmodusMonitor = 3;

// The settings after the client records, in the order they are written.
constexpr const char* Schluessel[] = {
    "MonitorErgebnis", "MonitorErgebnistafel", "MonitorWurftafel", "MonitorWechsel",   "MonitorTimer1",
    "MonitorTimer2",   "MonitorWerbung",       "MonitorIndex",     "MonitorWerbezeit", "MonitorWerbeabst",
};

// The client board's colours, in the order they are written to "[Ansicht]".
constexpr const char* MonitorFarben[] = {
    "ColorMTafel",       "ColorMTHeim",       "ColorMTGast",       "ColorMTSpielerErg", "ColorMTHeaderHeim",
    "ColorMTHeaderGast", "ColorMTMannschaft", "ColorMTErgebnisse", "ColorMTTotalHeim",  "ColorMTTotalGast",
    "ColorMTWurfHeim",   "ColorMTWurfGast",   "ColorMTPlusHeim",   "ColorMTPlusGast",   "ColorMTPunkteHeim",
    "ColorMTPunkteGast", "ColorMTSpieler",    "ColorMTGestartet",  "ColorMTFertig",
};

// Checks the buttons as given, none or one, outside the group's rule.
void Setzen(QButtonGroup* gruppe, std::initializer_list<std::pair<QRadioButton*, bool>> knoepfe)
{
    gruppe->setExclusive(false);
    for (const auto& [knopf, an] : knoepfe) knopf->setChecked(an);
    gruppe->setExclusive(true);
}

}  // namespace

using namespace Anzeigedialog;

TMonitoranz::TMonitoranz(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Monitoranz"));
    setWindowTitle(QStringLiteral("Konfiguration der Monitoranzeige"));
    HintergrundSetzen(this, u"ColorMonitoranz");

    PageControl = Benannt(new QTabWidget(this), "PageControl");
    TabSteuerung = steuerungAufbauen();
    Editor = Benannt(new Werbeeditor(Prefix, QStringLiteral("Hilfe_Monitoranz.rtf")), "Werbeeditor");
    TabWerbung = Benannt(new QWidget, "TabWerbung");
    auto* werbung = new QVBoxLayout(TabWerbung);
    werbung->addWidget(Editor);
    PageControl->addTab(TabSteuerung, QStringLiteral(" Steuerung "));
    PageControl->addTab(TabWerbung, QStringLiteral(" Werbung"));

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(PageControl);
    spalte->addLayout(Knopfzeile(this, BtnOK, BtnAbbruch));

    HintergrundAktion(this, u"ColorMonitoranz");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    dateiWaehlen = [this] {
        QFileDialog dlg(this, QStringLiteral("Verzeichnis suchen"), EClientVerzeichnis->text());
        dlg.setFileMode(QFileDialog::AnyFile);
        dlg.setNameFilter(QStringLiteral("alle Dateien (*.*)"));
        dlg.selectFile(QStringLiteral("*.*"));
        return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
    };

    connect(BtnOK, &QPushButton::clicked, this, &TMonitoranz::BtnOKClick);
    connect(PageControl, &QTabWidget::currentChanged, this, &TMonitoranz::feldbereichSetzen);
    connect(Editor, &Werbeeditor::konfigurationenGeaendert, this, [this] { konfigurationenZeigen(true); });
    KlickSoundBeim(this, {BtnClientSuchen, BtnFarbe});
}

TMonitoranz::~TMonitoranz() = default;

QWidget* TMonitoranz::steuerungAufbauen()
{
    auto* seite = Benannt(new QWidget, "TabSteuerung");

    auto* anzeige = Benannt(new QGroupBox(QStringLiteral("Werbung"), seite), "GAnzeige");
    const Werbeauswahl werbe = WerbeauswahlAufbauen(anzeige, QStringLiteral("   Werbung anzeigen"), Klick::ZumEnde);
    CKonfiguration = werbe.Konfiguration;
    CKonfiguration->setToolTip(QStringLiteral("Werbekonfiguration des Spiels"));
    CBWerbungOn = werbe.WerbungOn;
    EWerbezeitDef = werbe.Werbezeit;
    EWerbezeitDef->setToolTip(QStringLiteral("Anzeigezeit einer Werbung, wenn der Eintrag keine eigene hat"));
    EWerbeabstDef = werbe.Werbeabstand;
    EWerbeabstDef->setToolTip(QStringLiteral("Zeit zwischen zwei Werbungen, wenn der Eintrag keine eigene hat"));

    auto* client = Benannt(new QGroupBox(QStringLiteral("Monitore"), seite), "GMonitor");
    CMonitor = Benannt(new QComboBox(client), "CMonitor");
    for (int bahn = 1; bahn <= 16; ++bahn) CMonitor->addItem(QString::number(bahn));
    CMonitor->setToolTip(QStringLiteral("Bahn des Monitors"));
    EClientVerzeichnis = Benannt(new QLineEdit(client), "EClientVerzeichnis");
    EClientVerzeichnis->setToolTip(QStringLiteral("Verzeichnis des Monitors für die Dateien"));
    BtnClientSuchen = DialogKnopf(client, "BtnClientSuchen", QStringLiteral("..."));
    BtnClientSuchen->setToolTip(QStringLiteral("Verzeichnis suchen"));
    BtnClientSuchen->setFixedWidth(36);
    RBTcp = Benannt(new QRadioButton(QStringLiteral("Datenaustausch mit TCP/IP"), client), "RBTcp");
    RBDatei = Benannt(new QRadioButton(QStringLiteral("Datenaustausch in Datei"), client), "RBDatei");
    auto* austausch = new QButtonGroup(client);
    austausch->addButton(RBTcp);
    austausch->addButton(RBDatei);
    LAdresse = Benannt(new QLabel(QStringLiteral("Adresse:"), client), "LAdresse");
    EAdresse = Benannt(new QLineEdit(client), "EAdresse");
    EAdresse->setToolTip(QStringLiteral("Name oder IP-Adresse des Monitor-PCs"));
    auto* c = new QGridLayout(client);
    c->addWidget(new QLabel(QStringLiteral("Monitor:"), client), 0, 0);
    c->addWidget(CMonitor, 0, 1, Qt::AlignLeft);
    c->addWidget(new QLabel(QStringLiteral("Clientverzeichnis:"), client), 1, 0);
    c->addWidget(EClientVerzeichnis, 1, 1);
    c->addWidget(BtnClientSuchen, 1, 2);
    c->addWidget(RBTcp, 2, 1, 1, 2);
    c->addWidget(RBDatei, 3, 1, 1, 2);
    c->addWidget(LAdresse, 4, 0);
    c->addWidget(EAdresse, 4, 1, 1, 2);
    c->setColumnStretch(1, 1);

    auto* ergebnisse = Benannt(new QGroupBox(QStringLiteral("Ergebnisse"), seite), "GErgebnisse");
    CBErgebnis = Kasten(ergebnisse, "CBErgebnis", QStringLiteral("   Ergebnisse anzeigen"));
    RBErgebnistafel =
        Benannt(new QRadioButton(QStringLiteral("Darstellung der Ergebnistafel"), ergebnisse), "RBErgebnistafel");
    RBWurftafel = Benannt(new QRadioButton(QStringLiteral("Darstellung der Wurftafel"), ergebnisse), "RBWurftafel");
    RBWechsel = Benannt(new QRadioButton(QStringLiteral("Darstellung im Wechsel"), ergebnisse), "RBWechsel");
    auto* darstellung = new QButtonGroup(ergebnisse);
    for (QRadioButton* b : {RBErgebnistafel, RBWurftafel, RBWechsel}) darstellung->addButton(b);
    LTimer1 = Benannt(new QLabel(QStringLiteral("Ergebnistafel:"), ergebnisse), "LTimer1");
    LTimer2 = Benannt(new QLabel(QStringLiteral("Wurftafel:"), ergebnisse), "LTimer2");
    ETimer1 = Ziffernfeld(ergebnisse, "ETimer1", Klick::ZumEnde);
    ETimer1->setToolTip(QStringLiteral("Anzeigezeit der Ergebnistafel im Wechsel"));
    ETimer2 = Ziffernfeld(ergebnisse, "ETimer2", Klick::ZumEnde);
    ETimer2->setToolTip(QStringLiteral("Anzeigezeit der Wurftafel im Wechsel"));
    CBEinMonitor = Kasten(ergebnisse, "CBEinMonitor", QStringLiteral("Ergebnistafel nur auf einem Monitor"));
    BtnFarbe = DialogKnopf(ergebnisse, "BtnFarbe", QStringLiteral("&Farben..."));
    BtnFarbe->setToolTip(QStringLiteral("Farben der Monitoranzeige"));
    auto* e = new QGridLayout(ergebnisse);
    e->setColumnMinimumWidth(0, 24);
    e->setColumnMinimumWidth(1, 24);
    e->addWidget(CBErgebnis, 0, 0, 1, 5);
    e->addWidget(RBErgebnistafel, 1, 1, 1, 4);
    e->addWidget(RBWurftafel, 2, 1, 1, 4);
    e->addWidget(RBWechsel, 3, 1, 1, 4);
    e->addWidget(LTimer1, 4, 2);
    e->addWidget(ETimer1, 4, 3);
    e->addWidget(new QLabel(QStringLiteral("Sek."), ergebnisse), 4, 4);
    e->addWidget(LTimer2, 5, 2);
    e->addWidget(ETimer2, 5, 3);
    e->addWidget(new QLabel(QStringLiteral("Sek."), ergebnisse), 5, 4);
    e->addWidget(CBEinMonitor, 6, 1, 1, 4);
    e->setRowMinimumHeight(7, 12);
    e->addWidget(BtnFarbe, 8, 0, 1, 3, Qt::AlignLeft);
    e->setColumnStretch(4, 1);

    auto* links = new QVBoxLayout;
    links->addWidget(anzeige);
    links->addWidget(client);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(ergebnisse);
    rechts->addStretch();
    auto* reihe = new QHBoxLayout(seite);
    reihe->addLayout(links, 3);
    reihe->addLayout(rechts, 2);

    connect(CMonitor, &QComboBox::currentIndexChanged, this, &TMonitoranz::clientZeigen);
    connect(EClientVerzeichnis, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_clients[monitor()].ClientVerzeichnis = text; });
    connect(EAdresse, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_clients[monitor()].ExportAdresse = text.trimmed(); });
    connect(RBTcp, &QRadioButton::clicked, this, &TMonitoranz::austauschGewaehlt);
    connect(RBDatei, &QRadioButton::clicked, this, &TMonitoranz::austauschGewaehlt);
    connect(CBErgebnis, &QCheckBox::toggled, this, &TMonitoranz::ergebnisseFreigeben);
    connect(RBWechsel, &QRadioButton::toggled, this, &TMonitoranz::ergebnisseFreigeben);
    connect(BtnClientSuchen, &QPushButton::clicked, this, &TMonitoranz::BtnClientSuchenClick);
    connect(BtnFarbe, &QPushButton::clicked, this, &TMonitoranz::BtnFarbeClick);
    return seite;
}

void TMonitoranz::seiteZeigen(const QString& name)
{
    if (auto* s = PageControl->findChild<QWidget*>(name)) PageControl->setCurrentWidget(s);
}

int TMonitoranz::monitor() const { return std::clamp(CMonitor->currentIndex() + 1, 1, 16); }

// --- Activation -----------------------------------------------------------------------------

void TMonitoranz::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    aktivieren();
    Zentrieren(this);
}

// "Ergebnistafel nur auf einem Monitor" has no setting: it keeps its state
// while the program runs.
void TMonitoranz::aktivieren()
{
    feldbereichSetzen();
    const TWettkampfDaten* w = AktWettkampf;
    Editor->aktivieren(w ? w->MonitorWerbung.Index : 0);
    konfigurationenZeigen(false);
    CBWerbungOn->setChecked(w ? w->MonitorWerbung.Werbung != 0 : Einst.MonitorWerbung);
    CBErgebnis->setChecked(w ? w->MonitorWerbung.Zustand != 0 : Einst.MonitorErgebnis);
    EWerbezeitDef->setText(QString::number(Einst.MonitorWerbezeit));
    EWerbeabstDef->setText(QString::number(Einst.MonitorWerbeabst));

    // One display kind at most, the first the settings name.
    const bool tafel = Einst.MonitorErgebnistafel;
    const bool wurf = !tafel && Einst.MonitorWurftafel;
    const bool wechsel = !tafel && !wurf && Einst.MonitorWechsel;
    Setzen(RBWechsel->group(), {{RBErgebnistafel, tafel}, {RBWurftafel, wurf}, {RBWechsel, wechsel}});
    ETimer1->setText(QString::number(Einst.MonitorTimer1));
    ETimer2->setText(QString::number(Einst.MonitorTimer2));
    ergebnisseFreigeben();

    m_clients = Einst.MonitorExport;
    clientZeigen();
}

// The configuration names with the match's choice (or the default for new
// matches) selected, or the choice made so far when the names changed on
// the advert page; none when it is out of range.
void TMonitoranz::konfigurationenZeigen(bool auswahlBehalten)
{
    KonfigurationenZeigen(CKonfiguration, Editor->konfigurationen(),
                          AktWettkampf ? int(AktWettkampf->MonitorWerbung.Index) : int(Einst.MonitorIndex),
                          auswahlBehalten);
}

void TMonitoranz::feldbereichSetzen()
{
    FeldcodeMin = FeldcodeMax = PageControl->currentWidget() == TabWerbung ? FeldcodeWerbung : FeldcodeSteuerung;
}

// The chosen lane's record in the controls. TCP wins when the record has
// both kinds, as in the exports; with neither no button is checked.
void TMonitoranz::clientZeigen()
{
    const TMonitorExport& m = m_clients[monitor()];
    EClientVerzeichnis->setText(m.ClientVerzeichnis);
    EAdresse->setText(m.ExportAdresse);
    Setzen(RBTcp->group(), {{RBTcp, m.ExportTcpOn}, {RBDatei, !m.ExportTcpOn && m.ExportDateiOn}});
    LAdresse->setEnabled(RBTcp->isChecked());
    EAdresse->setEnabled(RBTcp->isChecked());
}

void TMonitoranz::austauschGewaehlt()
{
    TMonitorExport& m = m_clients[monitor()];
    m.ExportTcpOn = RBTcp->isChecked();
    m.ExportDateiOn = RBDatei->isChecked();
    LAdresse->setEnabled(m.ExportTcpOn);
    EAdresse->setEnabled(m.ExportTcpOn);
}

void TMonitoranz::ergebnisseFreigeben()
{
    const bool ergebnisse = CBErgebnis->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{RBErgebnistafel, RBWurftafel, RBWechsel, CBEinMonitor})
        w->setEnabled(ergebnisse);
    const bool zeiten = ergebnisse && RBWechsel->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{LTimer1, ETimer1, LTimer2, ETimer2}) w->setEnabled(zeiten);
}

void TMonitoranz::done(int r)
{
    Editor->schliessen();
    QDialog::done(r);
}

// --- Buttons ----------------------------------------------------------------------------------

void TMonitoranz::BtnClientSuchenClick()
{
    const QString datei = dateiWaehlen ? dateiWaehlen() : QString();
    if (datei.isEmpty()) return;
    const QString ordner = QDir::toNativeSeparators(QFileInfo(datei).absolutePath());
    EClientVerzeichnis->setText(ordner);
    m_clients[monitor()].ClientVerzeichnis = ordner;
}

void TMonitoranz::BtnFarbeClick()
{
    TFarbe farbe(this);
    farbe.Vorschaumodus = FarbmodusMonitor;
    farbe.VorschauZeigen(true);
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        farbe.move(s->availableGeometry().center() - farbe.rect().center());
    farbe.exec();
}

// --- Confirmation -----------------------------------------------------------------------------

void TMonitoranz::BtnOKClick()
{
    Editor->speichern();

    const int auswahl = CKonfiguration->currentIndex();
    const u8 werbung = CBWerbungOn->isChecked() ? 1 : 0;
    const u8 ergebnis = CBErgebnis->isChecked() ? 1 : 0;
    if (TWettkampfDaten* w = AktWettkampf) {
        // Only the match's choice; the client records and the settings stay.
        if (auswahl >= 0) {
            TWerbeZustand& m = w->MonitorWerbung;
            if (m.Index != u16(auswahl) || m.Werbung != werbung || m.Zustand != ergebnis) w->Geaendert = 1;
            m.Index = u16(auswahl);
            m.Werbung = werbung;
            m.Zustand = ergebnis;
        }
    } else {
        if (auswahl >= 0) {
            Einst.MonitorIndex = auswahl;
            Einst.MonitorWerbung = werbung;
            Einst.MonitorErgebnis = ergebnis;
        }
        Einst.MonitorWerbezeit = TextZuZahl(EWerbezeitDef->text());
        Einst.MonitorWerbeabst = TextZuZahl(EWerbeabstDef->text());
        Einst.MonitorExport = m_clients;
        Einst.MonitorErgebnistafel = RBErgebnistafel->isChecked();
        Einst.MonitorWurftafel = RBWurftafel->isChecked();
        Einst.MonitorWechsel = RBWechsel->isChecked();
        Einst.MonitorTimer1 = TextZuZahl(ETimer1->text());
        Einst.MonitorTimer2 = TextZuZahl(ETimer2->text());
        einstellungenSchreiben();
    }

    if (const std::optional<bool> werbedateien = KonfigurationLadenFragen()) {
        MonitorWerbungNeu = *werbedateien ? 1 : 0;
        MonitorKonfigurationExportieren(AktWettkampf);
        // Without a match there is no status to show.
        if (AktWettkampf) MonitorStatusExportieren(*AktWettkampf);
    }
    accept();
}

void TMonitoranz::einstellungenSchreiben()
{
    for (int n = 1; n <= 16; ++n)
        for (const char* name : {"ClientVerzeichnis", "ExportDateiOn", "ExportTcpOn", "ExportAdresse"})
            SchluesselSchreiben((QByteArray(name) + QByteArray::number(n)).constData());
    for (const char* name : Schluessel) SchluesselSchreiben(name);
    for (const char* name : MonitorFarben) SchluesselSchreiben(name);
    InfListeSpeichern();
}
