#include "displays/ui/Infoterminal.h"

#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ui/Hinweis.h"
#include "displays/Monitorexport.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The colour chooser's family of the info terminal.
constexpr int FarbmodusTerminal = 4;

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

TInfoterminal::TInfoterminal(QWidget* parent)
    : Clientdialog({.Name = "Infoterminal", .Titel = QStringLiteral("Konfiguration des Infoterminals"),
                    .Farbe = u"ColorTerminal", .Prefix = QStringLiteral("Terminalanz"),
                    .Hilfe = QStringLiteral("Hilfe_Terminalanz.rtf"),
                    .HilfeTipp = QStringLiteral("Laufschrift anlegen, ändern und löschen"), .FeldSteuerung = 370,
                    .FeldWerbung = 380, .FeldText = 390, .NeueVerwerfen = true},
                   parent)
{
    TabSteuerung = steuerungAufbauen();
    textAufbauen();
    seitenEinsetzen();
    KlickSoundBeim(this, {BtnFarbe, BtnAnzeigen});
}

QWidget* TInfoterminal::steuerungAufbauen()
{
    auto* seite = Benannt(new QWidget, "TabSteuerung");

    QGroupBox* anzeige = werbeauswahlAufbauen(seite, QStringLiteral("Anzeige"), "GAnzeige");

    QGroupBox* client = clientgruppeAufbauen({.Name = "GClient",
                                              .Titel = QStringLiteral("Infoterminal"),
                                              .OrdnerTipp = QStringLiteral("Pfad für Bilderablage am Monitor"),
                                              .AdresseTipp = QStringLiteral("Name oder IP-Adresse des Infoterminals"),
                                              .OrdnerLaenge = 127},
                                             seite);

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

    connect(BtnFarbe, &QPushButton::clicked, this, &TInfoterminal::BtnFarbeClick);
    return seite;
}

// The text page formats its text; nothing is sent from it.
void TInfoterminal::textAufbauen()
{
    QVBoxLayout* spalte = textseiteAufbauen();
    BtnAnzeigen = DialogKnopf(TabText, "BtnAnzeigen", QStringLiteral("Anzeigen"));
    auto* zeigen = new QHBoxLayout;
    zeigen->addStretch();
    zeigen->addWidget(BtnAnzeigen);
    spalte->addLayout(zeigen);
}

// --- Activation -----------------------------------------------------------------------------

TWerbeZustand& TInfoterminal::werbezustand(TWettkampfDaten& w) const { return w.TerminalWerbung; }

Werbeeinstellungen TInfoterminal::werbeeinstellungen() const
{
    return {Einst.TerminalIndex, Einst.TerminalWerbung, Einst.TerminalWerbezeit, Einst.TerminalWerbeabst};
}

void TInfoterminal::eigeneZeigen(const TWettkampfDaten*)
{
    m_client = Einst.TerminalExport;
    clientZeigen(m_client);
}

// --- Buttons ----------------------------------------------------------------------------------

void TInfoterminal::BtnFarbeClick() { FarbenWaehlen(this, FarbmodusTerminal); }

// --- Confirmation -----------------------------------------------------------------------------

// The client record goes into the settings with the advert choice.
void TInfoterminal::einstellungenUebernehmen() { Einst.TerminalExport = m_client; }

void TInfoterminal::schluesselSchreiben() const
{
    for (const char* name : Schluessel) SchluesselSchreiben(name);
    for (const char* name : TerminalFarben) SchluesselSchreiben(name);
}

void TInfoterminal::konfigurationSenden(bool mitWerbedateien)
{
    TerminalWerbungNeu = mitWerbedateien ? 1 : 0;
    TerminalKonfigurationExportieren(AktWettkampf);
    TerminalStatusExportieren(AktWettkampf);
}
