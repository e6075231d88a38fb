#include "displays/ui/Monitoranz.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/TextFunctions.h"
#include "core/ui/Hinweis.h"
#include "displays/Monitorexport.h"
#include "match/dienste/Anzeigeschicht.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

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

}  // namespace

using namespace Anzeigedialog;

TMonitoranz::TMonitoranz(QWidget* parent)
    : Clientdialog({.Name = "Monitoranz", .Titel = QStringLiteral("Konfiguration der Monitoranzeige"),
                    .Farbe = u"ColorMonitoranz", .Prefix = QStringLiteral("Monitoranz"),
                    .Hilfe = QStringLiteral("Hilfe_Monitoranz.rtf"), .FeldSteuerung = 350, .FeldWerbung = 360},
                   parent)
{
    TabSteuerung = steuerungAufbauen();
    seitenEinsetzen();
    KlickSoundBeim(this, {BtnFarbe});
}

QWidget* TMonitoranz::steuerungAufbauen()
{
    auto* seite = Benannt(new QWidget, "TabSteuerung");

    QGroupBox* anzeige = werbeauswahlAufbauen(seite, QStringLiteral("Werbung"), "GAnzeige");

    CMonitor = Benannt(new QComboBox, "CMonitor");
    for (int bahn = 1; bahn <= 16; ++bahn) CMonitor->addItem(QString::number(bahn));
    CMonitor->setToolTip(QStringLiteral("Bahn des Monitors"));
    QGroupBox* client =
        clientgruppeAufbauen({.Name = "GMonitor",
                              .Titel = QStringLiteral("Monitore"),
                              .OrdnerTipp = QStringLiteral("Verzeichnis des Monitors für die Dateien"),
                              .AdresseTipp = QStringLiteral("Name oder IP-Adresse des Monitor-PCs")},
                             seite, QStringLiteral("Monitor:"), CMonitor);

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

    connect(CMonitor, &QComboBox::currentIndexChanged, this, [this] { clientZeigen(m_clients[monitor()]); });
    connect(CBErgebnis, &QCheckBox::toggled, this, &TMonitoranz::ergebnisseFreigeben);
    connect(RBWechsel, &QRadioButton::toggled, this, &TMonitoranz::ergebnisseFreigeben);
    connect(BtnFarbe, &QPushButton::clicked, this, &TMonitoranz::BtnFarbeClick);
    return seite;
}

int TMonitoranz::monitor() const { return std::clamp(CMonitor->currentIndex() + 1, 1, 16); }

// --- Activation -----------------------------------------------------------------------------

TWerbeZustand& TMonitoranz::werbezustand(TWettkampfDaten& w) const { return w.MonitorWerbung; }

Werbeeinstellungen TMonitoranz::werbeeinstellungen() const
{
    return {Einst.MonitorIndex, Einst.MonitorWerbung, Einst.MonitorWerbezeit, Einst.MonitorWerbeabst};
}

// "Ergebnistafel nur auf einem Monitor" has no setting: it keeps its state
// while the program runs.
void TMonitoranz::eigeneZeigen(const TWettkampfDaten* w)
{
    CBErgebnis->setChecked(w ? w->MonitorWerbung.Zustand != 0 : Einst.MonitorErgebnis);
    // One display kind at most, the first the settings name.
    const bool tafel = Einst.MonitorErgebnistafel;
    const bool wurf = !tafel && Einst.MonitorWurftafel;
    const bool wechsel = !tafel && !wurf && Einst.MonitorWechsel;
    KnoepfeSetzen(RBWechsel->group(), {{RBErgebnistafel, tafel}, {RBWurftafel, wurf}, {RBWechsel, wechsel}});
    ETimer1->setText(QString::number(Einst.MonitorTimer1));
    ETimer2->setText(QString::number(Einst.MonitorTimer2));
    ergebnisseFreigeben();

    m_clients = Einst.MonitorExport;
    clientZeigen(m_clients[monitor()]);
}

void TMonitoranz::ergebnisseFreigeben()
{
    const bool ergebnisse = CBErgebnis->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{RBErgebnistafel, RBWurftafel, RBWechsel, CBEinMonitor})
        w->setEnabled(ergebnisse);
    const bool zeiten = ergebnisse && RBWechsel->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{LTimer1, ETimer1, LTimer2, ETimer2}) w->setEnabled(zeiten);
}

// --- Buttons ----------------------------------------------------------------------------------

void TMonitoranz::BtnFarbeClick() { FarbenWaehlen(this, FarbmodusMonitor); }

// --- Confirmation -----------------------------------------------------------------------------

// With a match, the result box goes along with the advert choice; the client
// records and the settings stay.
void TMonitoranz::spielUebernehmen(TWettkampfDaten& w)
{
    if (!auswahlUebernehmen(w)) return;
    const u8 ergebnis = CBErgebnis->isChecked() ? 1 : 0;
    if (w.MonitorWerbung.Zustand != ergebnis) w.Geaendert = 1;
    w.MonitorWerbung.Zustand = ergebnis;
}

void TMonitoranz::einstellungenUebernehmen()
{
    if (CKonfiguration->currentIndex() >= 0) Einst.MonitorErgebnis = CBErgebnis->isChecked();
    Einst.MonitorExport = m_clients;
    Einst.MonitorErgebnistafel = RBErgebnistafel->isChecked();
    Einst.MonitorWurftafel = RBWurftafel->isChecked();
    Einst.MonitorWechsel = RBWechsel->isChecked();
    Einst.MonitorTimer1 = TextZuZahl(ETimer1->text());
    Einst.MonitorTimer2 = TextZuZahl(ETimer2->text());
}

void TMonitoranz::schluesselSchreiben() const
{
    for (int n = 1; n <= 16; ++n)
        for (const char* name : {"ClientVerzeichnis", "ExportDateiOn", "ExportTcpOn", "ExportAdresse"})
            SchluesselSchreiben((QByteArray(name) + QByteArray::number(n)).constData());
    for (const char* name : Schluessel) SchluesselSchreiben(name);
    for (const char* name : MonitorFarben) SchluesselSchreiben(name);
}

void TMonitoranz::konfigurationSenden(bool mitWerbedateien)
{
    MonitorWerbungNeu = mitWerbedateien ? 1 : 0;
    MonitorKonfigurationExportieren(AktWettkampf);
    // Without a match there is no status to show.
    if (AktWettkampf) MonitorStatusExportieren(*AktWettkampf);
}
