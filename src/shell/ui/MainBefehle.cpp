#include "shell/ui/Main.h"

#include "competition/Chipkarte.h"
#include "competition/Kartenzeitgeber.h"
#include "core/Berichtdienste.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Rtf.h"
#include "core/ui/Fensterhub.h"
#include "core/ui/Hilfe.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/dienste/Wettbewerbdienste.h"
#include "match/flow/Wettkampfslots.h"
#include "shell/Hauptbefehle.h"
#include "shell/Programmende.h"
#include "shell/ui/Info.h"
#include "shell/ui/Progende.h"
#include "shell/ui/Tipps.h"

#include <QDialog>
#include <QDir>
#include <QTabWidget>
#include <QTextEdit>

// The command handlers of the main window's actions.

namespace {

// Why a command cannot run.
const QString SpielGestartetText = QStringLiteral("Bitte beenden Sie gestartete Wettkämpfe !");
const QString BahnenStartenText = QStringLiteral("Die Bahnen werden gerade gestartet, bitte warten !");
const QString KeinPlatzText = QStringLiteral("Es ist kein Platz für einen weiteren Wettkampf frei.");

// Asks until the reader holds a card; false when the operator gives up.
bool KarteAbwarten()
{
    while (!KartenleserAktiv || !KarteVorhanden())
        if (boxen().hinweisOk(QStringLiteral("Bitte Karte einschieben !")) != ErgebnisOk) return false;
    return true;
}

}  // namespace

void TMain::MNeuClick() { NeuAnlegen(); }

// The card commands and the report form are windows of their own; their
// commands wait for them. After a dialog or a new child window the open lane
// control window comes back on top.
void TMain::MLadenClick()
{
    SpielLadenBefehl();
    BahnsteuerungNachVorn();
}

// The card poll waits while the command asks for a card; the new match is
// not marked modified, the one current before keeps its flag.
void TMain::MKarteLadenClick()
{
    if (WettkampfAnzahl >= MaxWettkaempfe) {
        boxen().hinweis(KeinPlatzText);
        return;
    }
    Timer5().setEnabled(false);
    TWettkampfDaten* vorher = AktWettkampf;
    const u8 geaendert = vorher ? vorher->Geaendert : 0;
    if (KarteAbwarten()) {
        MKarteLaden->setEnabled(false);
        if (fenster().dialog(Dialog::MannschaftskarteLaden) && AktWettkampf && AktWettkampf != vorher) {
            TWettkampfDaten* neu = AktWettkampf;
            WettkampfFensterOeffnen();
            neu->Geaendert = 0;
            BahnsteuerungNachVorn();
        }
    }
    Timer5().setEnabled(KartenTimerAktiv);
    if (vorher) vorher->Geaendert = geaendert;
    HauptmenueAktualisieren();
}

// Only the player card's re-read is switched off; it runs again when the
// match window starts it.
void TMain::MKarteSpeichernClick()
{
    if (!AktWettkampf) return;
    Timer7().setEnabled(false);
    MKarteSpeichern->setEnabled(false);
    if (KarteAbwarten()) fenster().dialog(Dialog::MannschaftskarteSpeichern);
    HauptmenueAktualisieren();
}
void TMain::MBahnenClick() { BahnenBefehl(); }
void TMain::MBahnsteuerungClick() { BahnsteuerungBefehl(); }
void TMain::MServiceClick() { fenster().dialog(Dialog::Service); }

void TMain::MUebernehmenClick() { SpieleUebernehmenBefehl(); }
void TMain::MImportierenClick()
{
    Importieren();
    BahnsteuerungNachVorn();
}
void TMain::MSpeichernClick()
{
    wettbewerb().speichernDialog();
    BahnsteuerungNachVorn();
}
void TMain::MExportClick() { fenster().dialog(Dialog::Export); }
void TMain::MSchliessenClick() { WettkampfSchliessen(); }
void TMain::MSpielStartClick() { SpielStartBefehl(); }
void TMain::MAbbrechenClick() { SpielAbbrechenBefehl(); }

void TMain::MEintragClick(int k)
{
    // The check marks follow the current match, also after a click on the
    // entry that already had it.
    if (!EintragWaehlen(k)) HauptmenueAktualisieren();
}

void TMain::MProgrammoptionenClick()
{
    fenster().dialog(Dialog::Optionen);
    HauptmenueAktualisieren();
}

void TMain::MSpielClick()
{
    if (!UebersichtFrei()) return;
    WettkampfFensterOeffnen();
    BahnsteuerungNachVorn();
}

void TMain::MErgebnistafelClick()
{
    if (!UebersichtFrei()) return;
    ErgebnistafelOeffnen();
    BahnsteuerungNachVorn();
}

void TMain::MSpBearbeitenClick()
{
    if (!UebersichtFrei()) return;
    SpielberichtOeffnen();
    BahnsteuerungNachVorn();
}

void TMain::MSpSchliessenClick() { fenster().schliessen(MdiFenster::Spielbericht); }

void TMain::MSpFormularClick()
{
    if (!SpielberichtVorbereiten()) return;
    BahnsteuerungVerbergen();
    fenster().dialog(Dialog::Spielberichtformular);
    BahnsteuerungNachVorn();
}

// The report's output without its window, from the same preparation.
void TMain::MSpDruckenClick()
{
    if (SpielberichtVorbereiten()) bericht().drucken(this);
}
void TMain::MSpFaxClick()
{
    if (SpielberichtVorbereiten()) bericht().faxen(this);
}
void TMain::MSpEmailClick()
{
    if (SpielberichtVorbereiten()) bericht().mailen(this);
}
void TMain::MSpInternetClick()
{
    if (SpielberichtVorbereiten()) fenster().dialog(Dialog::FtpSenden);
}
void TMain::MInternetUpdateClick() { InternetUpdateBefehl(); }
void TMain::MInternetKonfigurationClick() { fenster().dialog(Dialog::Internet); }
void TMain::MProgrammClick(int n) { ProgrammStarten(n); }
void TMain::SBtnSpielerkarteClick()
{
    BahnsteuerungVerbergen();
    fenster().dialog(Dialog::Spielerkarte);
}

void TMain::KonfigurationZeigen(KonfigFenster f, bool installiert, const QString& seite)
{
    if (!installiert) return;
    fenster().erzeugen(f);
    QWidget* w = m_hub.konfigFenster(f);
    if (!w) return;
    if (!seite.isEmpty())
        if (auto* reiter = w->findChild<QTabWidget*>())
            if (auto* s = w->findChild<QWidget*>(seite)) reiter->setCurrentWidget(s);
    if (auto* d = qobject_cast<QDialog*>(w))
        d->exec();
    else
        w->show();
}

void TMain::endeDialog(u8 windowsBeenden)
{
    if (!Progende || Progende->endeLaeuft()) return;
    if (SpielGestartet()) {
        boxen().hinweis(SpielGestartetText);
        return;
    }
    WindowsBeenden = windowsBeenden;
    Progende->exec();
}

void TMain::MWindowsBeendenClick() { endeDialog(1); }
void TMain::MProgrammEndeClick() { endeDialog(0); }

void TMain::ProgrammClose()
{
    if (!Progende || Progende->endeLaeuft()) return;
    if (SpielGestartet())
        boxen().hinweis(SpielGestartetText);
    else if (!EndeDialogErlaubt())
        boxen().hinweis(BahnenStartenText);
    else
        Progende->exec();
}

void TMain::MHilfethemenClick()
{
    const QString grund = HilfeOeffnen();
    if (grund.isEmpty()) return;
    if (HilfethemenTextVorhanden())
        HilfedateiZeigen(this, HilfethemenText);
    else
        boxen().hinweis(grund);
}

void TMain::MTippsClick()
{
    const std::optional<QByteArray> text = TippsInhalt();
    if (!text) {
        boxen().hinweis(QStringLiteral("Die Tippdatei %1 ist nicht vorhanden !")
                            .arg(QDir::toNativeSeparators(TippsDatei())));
        return;
    }
    if (!Tipps) return;
    RtfLesen(*text, *Tipps->RETipps->document());
    Tipps->RETipps->moveCursor(QTextCursor::Start);
    Tipps->exec();
}

void TMain::MInfoClick()
{
    if (Info) Info->exec();
}
