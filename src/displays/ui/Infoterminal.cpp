#include "displays/ui/Infoterminal.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/TextFunctions.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Textformatleiste.h"
#include "displays/Monitorexport.h"
#include "displays/ui/Anzeigedialog.h"
#include "displays/ui/Werbeeditor.h"

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
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString Prefix = QStringLiteral("Terminalanz");
// The touch keyboard's field range of each page.
constexpr u16 FeldcodeSteuerung = 370, FeldcodeWerbung = 380, FeldcodeText = 390;
constexpr int VerzeichnisLaenge = 127;

// The settings of the confirmation without a match, in the order they are written.
constexpr const char* Schluessel[] = {
    "TerminalErgebnis",  "TerminalErgebnistafel", "TerminalWerbung",           "TerminalIndex",
    "TerminalWerbezeit", "TerminalWerbeabst",     "TerminalClientVerzeichnis", "TerminalExportDateiOn",
    "TerminalExportTcpOn", "TerminalExportAdresse",
};

// The terminal colours, in the order they are written to "[Ansicht]".
constexpr const char* TerminalFarben[] = {
    "ColorITafel",       "ColorITHeim",       "ColorITGast",       "ColorITHeaderHeim", "ColorITHeaderGast",
    "ColorITSpielerErg", "ColorITMannschaft", "ColorITErgebnisse", "ColorITTotalHeim",  "ColorITTotalGast",
    "ColorITWurfHeim",   "ColorITWurfGast",   "ColorITPlusHeim",   "ColorITPlusGast",   "ColorITPunkteHeim",
    "ColorITPunkteGast", "ColorITSpieler",    "ColorITGestartet",  "ColorITFertig",
};

}  // namespace

using namespace Anzeigedialog;

TInfoterminal::TInfoterminal(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Infoterminal"));
    setWindowTitle(QStringLiteral("Konfiguration des Infoterminals"));
    HintergrundSetzen(this, u"ColorTerminal");

    PageControl = Benannt(new QTabWidget(this), "PageControl");
    TabSteuerung = steuerungAufbauen();
    Editor = Benannt(new Werbeeditor(Prefix, QStringLiteral("Hilfe_Terminalanz.rtf")), "Werbeeditor");
    TabWerbung = Benannt(new QWidget, "TabWerbung");
    auto* werbung = new QVBoxLayout(TabWerbung);
    werbung->addWidget(Editor);
    TabText = textAufbauen();
    PageControl->addTab(TabSteuerung, QStringLiteral(" Steuerung "));
    PageControl->addTab(TabWerbung, QStringLiteral(" Werbung"));
    PageControl->addTab(TabText, QStringLiteral(" Text"));

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(PageControl);
    spalte->addLayout(Knopfzeile(this, BtnOK, BtnAbbruch));

    HintergrundAktion(this, u"ColorTerminal");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    dateiWaehlen = [this] {
        QFileDialog dlg(this, QStringLiteral("Verzeichnis suchen"), EClientVerzeichnis->text());
        dlg.setFileMode(QFileDialog::AnyFile);
        dlg.setNameFilter(QStringLiteral("alle Dateien (*.*)"));
        dlg.selectFile(QStringLiteral("*.*"));
        return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
    };

    connect(BtnOK, &QPushButton::clicked, this, &TInfoterminal::BtnOKClick);
    connect(PageControl, &QTabWidget::currentChanged, this, &TInfoterminal::feldbereichSetzen);
    connect(Editor, &Werbeeditor::konfigurationenGeaendert, this, [this] { konfigurationenZeigen(true); });
    KlickSoundBeim(this, {BtnClientSuchen, BtnFarbe, BtnAnzeigen});
}

TInfoterminal::~TInfoterminal() = default;

QWidget* TInfoterminal::steuerungAufbauen()
{
    auto* seite = Benannt(new QWidget, "TabSteuerung");

    auto* anzeige = Benannt(new QGroupBox(QStringLiteral("Anzeige"), seite), "GAnzeige");
    const Werbeauswahl werbe = WerbeauswahlAufbauen(anzeige, QStringLiteral("   Werbung anzeigen"), Klick::ZumEnde);
    CKonfiguration = werbe.Konfiguration;
    CKonfiguration->setToolTip(QStringLiteral("Werbekonfiguration des Spiels"));
    CBWerbungOn = werbe.WerbungOn;
    EWerbezeitDef = werbe.Werbezeit;
    EWerbezeitDef->setToolTip(QStringLiteral("Anzeigezeit einer Werbung, wenn der Eintrag keine eigene hat"));
    EWerbeabstDef = werbe.Werbeabstand;
    EWerbeabstDef->setToolTip(QStringLiteral("Zeit zwischen zwei Werbungen, wenn der Eintrag keine eigene hat"));

    auto* client = Benannt(new QGroupBox(QStringLiteral("Infoterminal"), seite), "GClient");
    EClientVerzeichnis = Benannt(new QLineEdit(client), "EClientVerzeichnis");
    EClientVerzeichnis->setMaxLength(VerzeichnisLaenge);
    EClientVerzeichnis->setToolTip(QStringLiteral("Pfad für Bilderablage am Monitor"));
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
    EAdresse->setToolTip(QStringLiteral("Name oder IP-Adresse des Infoterminals"));
    auto* c = new QGridLayout(client);
    c->addWidget(new QLabel(QStringLiteral("Clientverzeichnis:"), client), 0, 0);
    c->addWidget(EClientVerzeichnis, 0, 1);
    c->addWidget(BtnClientSuchen, 0, 2);
    c->addWidget(RBTcp, 1, 1, 1, 2);
    c->addWidget(RBDatei, 2, 1, 1, 2);
    c->addWidget(LAdresse, 3, 0);
    c->addWidget(EAdresse, 3, 1, 1, 2);
    c->setColumnStretch(1, 1);

    auto* tafel = Benannt(new QGroupBox(QStringLiteral("Ergebnistafel"), seite), "GErgebnistafel");
    BtnFarbe = DialogKnopf(tafel, "BtnFarbe", QStringLiteral("&Farben..."));
    BtnFarbe->setToolTip(QStringLiteral("Farben des Infoterminals"));
    auto* t = new QHBoxLayout(tafel);
    t->addWidget(BtnFarbe);
    t->addStretch();

    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(anzeige);
    spalte->addWidget(client);
    spalte->addWidget(tafel);
    spalte->addStretch();

    connect(EClientVerzeichnis, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_client.ClientVerzeichnis = text; });
    connect(EAdresse, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_client.ExportAdresse = text.trimmed(); });
    connect(RBTcp, &QRadioButton::clicked, this, &TInfoterminal::austauschGewaehlt);
    connect(RBDatei, &QRadioButton::clicked, this, &TInfoterminal::austauschGewaehlt);
    connect(BtnClientSuchen, &QPushButton::clicked, this, &TInfoterminal::BtnClientSuchenClick);
    connect(BtnFarbe, &QPushButton::clicked, this, &TInfoterminal::BtnFarbeClick);
    return seite;
}

// The text page formats its text; nothing is sent from it.
QWidget* TInfoterminal::textAufbauen()
{
    auto* seite = Benannt(new QWidget, "TabText");

    auto* leiste =
        new Textformatleiste({"CBFont", "CBGroesse"}, {10, 12, 14, 16, 18, 20, 24, 28, 32, 36, 40}, seite);
    CBFont = leiste->Schriftart;
    CBGroesse = leiste->Groesse;
    SBtnFett = leiste->SBtnFett;
    SBtnKursiv = leiste->SBtnKursiv;
    SBtnSchriftfarbe = leiste->SBtnSchriftfarbe;
    SBtnLeft = leiste->SBtnLeft;
    SBtnRight = leiste->SBtnRight;

    REFormular = Benannt(new QTextEdit(seite), "REFormular");
    REFormular->setAcceptRichText(true);
    REFormular->document()->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    leiste->bearbeiten(REFormular);
    REFormular->setMinimumSize(560, 300);

    BtnAnzeigen = DialogKnopf(seite, "BtnAnzeigen", QStringLiteral("Anzeigen"));
    auto* zeigen = new QHBoxLayout;
    zeigen->addStretch();
    zeigen->addWidget(BtnAnzeigen);
    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(leiste);
    spalte->addWidget(REFormular, 1);
    spalte->addLayout(zeigen);
    return seite;
}

void TInfoterminal::seiteZeigen(const QString& name)
{
    if (auto* s = PageControl->findChild<QWidget*>(name)) PageControl->setCurrentWidget(s);
}

// --- Activation -----------------------------------------------------------------------------

void TInfoterminal::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    aktivieren();
    Zentrieren(this);
}

void TInfoterminal::aktivieren()
{
    feldbereichSetzen();
    const TWettkampfDaten* w = AktWettkampf;
    Editor->aktivieren(w ? w->TerminalWerbung.Index : 0);
    konfigurationenZeigen(false);
    {
        const QSignalBlocker still(CBWerbungOn);
        CBWerbungOn->setChecked(w ? w->TerminalWerbung.Werbung != 0 : Einst.TerminalWerbung);
    }
    EWerbezeitDef->setText(QString::number(Einst.TerminalWerbezeit));
    EWerbeabstDef->setText(QString::number(Einst.TerminalWerbeabst));
    m_client = Einst.TerminalExport;
    clientZeigen();
}

// The configuration names with the match's choice (or the default for new
// matches) selected, or the choice made so far when the names changed on
// the advert page; none when it is out of range.
void TInfoterminal::konfigurationenZeigen(bool auswahlBehalten)
{
    KonfigurationenZeigen(CKonfiguration, Editor->konfigurationen(),
                          AktWettkampf ? int(AktWettkampf->TerminalWerbung.Index) : int(Einst.TerminalIndex),
                          auswahlBehalten);
}

void TInfoterminal::feldbereichSetzen()
{
    const QWidget* s = PageControl->currentWidget();
    FeldcodeMin = FeldcodeMax = s == TabWerbung ? FeldcodeWerbung : s == TabText ? FeldcodeText : FeldcodeSteuerung;
}

// The client's record in the controls. TCP wins when the file has both
// kinds, as in the exports; with neither no button is checked.
void TInfoterminal::clientZeigen()
{
    EClientVerzeichnis->setText(m_client.ClientVerzeichnis);
    EAdresse->setText(m_client.ExportAdresse);
    QButtonGroup* gruppe = RBTcp->group();
    gruppe->setExclusive(false);
    RBTcp->setChecked(m_client.ExportTcpOn);
    RBDatei->setChecked(!m_client.ExportTcpOn && m_client.ExportDateiOn);
    gruppe->setExclusive(true);
    LAdresse->setEnabled(RBTcp->isChecked());
    EAdresse->setEnabled(RBTcp->isChecked());
}

void TInfoterminal::austauschGewaehlt()
{
    m_client.ExportTcpOn = RBTcp->isChecked();
    m_client.ExportDateiOn = RBDatei->isChecked();
    LAdresse->setEnabled(m_client.ExportTcpOn);
    EAdresse->setEnabled(m_client.ExportTcpOn);
}

void TInfoterminal::done(int r)
{
    Editor->schliessen();
    QDialog::done(r);
}

// --- Buttons ----------------------------------------------------------------------------------

void TInfoterminal::BtnClientSuchenClick()
{
    const QString datei = dateiWaehlen ? dateiWaehlen() : QString();
    if (datei.isEmpty()) return;
    const QString ordner = QDir::toNativeSeparators(QFileInfo(datei).absolutePath());
    if (ordner.size() > VerzeichnisLaenge) {
        boxen().hinweis(QStringLiteral("Der Pfad ist zu lang (höchstens %1 Zeichen).").arg(VerzeichnisLaenge));
        return;
    }
    EClientVerzeichnis->setText(ordner);
    m_client.ClientVerzeichnis = ordner;
}

void TInfoterminal::BtnFarbeClick()
{
    TFarbe farbe(this);
    farbe.Vorschaumodus = 4;
    farbe.VorschauZeigen(true);
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        farbe.move(s->availableGeometry().center() - farbe.rect().center());
    farbe.exec();
}

// --- Confirmation -----------------------------------------------------------------------------

void TInfoterminal::BtnOKClick()
{
    Editor->speichern();

    const int auswahl = CKonfiguration->currentIndex();
    if (TWettkampfDaten* w = AktWettkampf) {
        // Only the match's advert choice; the settings file stays as it is.
        if (auswahl >= 0) {
            TWerbeZustand& t = w->TerminalWerbung;
            const u8 ein = CBWerbungOn->isChecked() ? 1 : 0;
            if (t.Index != u16(auswahl) || t.Werbung != ein) w->Geaendert = 1;
            t.Index = u16(auswahl);
            t.Werbung = ein;
        }
    } else {
        if (auswahl >= 0) {
            Einst.TerminalIndex = auswahl;
            Einst.TerminalWerbung = CBWerbungOn->isChecked();
        }
        Einst.TerminalWerbezeit = TextZuZahl(EWerbezeitDef->text());
        Einst.TerminalWerbeabst = TextZuZahl(EWerbeabstDef->text());
        Einst.TerminalExport = m_client;
        for (const char* name : Schluessel) SchluesselSchreiben(name);
        for (const char* name : TerminalFarben) SchluesselSchreiben(name);
        InfListeSpeichern();
    }
    exportFragen();
    accept();
}

void TInfoterminal::exportFragen()
{
    const std::optional<bool> mitWerbedateien = KonfigurationLadenFragen();
    if (!mitWerbedateien) return;
    TerminalWerbungNeu = *mitWerbedateien ? 1 : 0;
    TerminalKonfigurationExportieren(AktWettkampf);
    TerminalStatusExportieren(AktWettkampf);
}
