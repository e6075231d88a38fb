#include "competition/Kartenzeitgeber.h"

#include "competition/Chipkarte.h"
#include "competition/Mannschaftskarte.h"
#include "competition/Spielerkarte.h"
#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/flow/Startprompts.h"
#include "match/flow/TimerModul.h"
#include "match/lanes/Bahnfenster.h"

KartenzeitgeberZustand kartenzeitgeberZustand;
u8& SpielerkarteWartet = kartenzeitgeberZustand.SpielerkarteWartet;

namespace {

const QString KeineSpielerkarteText = QStringLiteral("Im Leser befindet sich keine Spielerkarte !");
const QString KeineMannschaftskarteText = QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !");

std::function<bool()>& einlesenAufruf()
{
    static std::function<bool()> f;
    return f;
}

// "&Sperren" locks mouse and keyboard, "&Freigeben" frees them; a prompt
// closed otherwise changes nothing.
void SperrenFragen()
{
    const int antwort = startPrompts().sperren();
    if (antwort == ErgebnisJa) EingabeGesperrt = 1;
    else if (antwort == ErgebnisNein) EingabeGesperrt = 0;
}

// The main window's load from a team card, without its wait for a card
// (one is in): the transfer window, then the new match's window.
void MannschaftskarteLadenBefehl()
{
    Timer5().setEnabled(false);
    if (fenster().dialog(Dialog::MannschaftskarteLaden) && AktWettkampf) {
        TWettkampfDaten* neu = AktWettkampf;
        WettkampfFensterOeffnen();
        neu->Geaendert = 0;
        if (OffeneFenster & FensterBahnsteuerung) bahnfenster().bahnsteuerungNachVorn();
    }
    KartenabfrageFortsetzen();
    fenster().hauptmenueAktualisieren();
}

}  // namespace

void KartenzeitgeberZustand::zuruecksetzen()
{
    *this = KartenzeitgeberZustand{};
    for (Zeitgeber* t : {&Timer5(), &Timer7(), &Timer71()}) t->setEnabled(false);
}

Zeitgeber& Timer5()
{
    static Zeitgeber t([] { Timer5Go(); }, 1500);
    return t;
}
Zeitgeber& Timer7()
{
    static Zeitgeber t([] { Timer7Go(); }, 500);
    return t;
}
Zeitgeber& Timer71()
{
    static Zeitgeber t([] { Timer71Go(); }, 20000);
    return t;
}

void Timer5Go()
{
    auto& z = kartenzeitgeberZustand;
    if (!KartenleserAktiv || !KarteVorhanden()) {
        z.bereit = true;
        return;
    }
    if (!z.bereit) return;
    if (WettkampfAnzahl > 0) {
        if (AktivesFenster != FensterBahnuebersicht && AktivesFenster != FensterErgebnis) return;
        z.bereit = false;
        SperrenFragen();
        return;
    }
    z.bereit = false;
    // A card of another kind is told once while it stays in, without the
    // transfer window and without taking the keyboard.
    if (KartenkopfLesen() && !KartenkennungIst(MannschaftskartenKennung)) {
        if (KarteGemeldet()) return;
        KarteGemeldetMerken();
        boxen().meldung(KeineMannschaftskarteText);
        return;
    }
    MannschaftskarteLadenBefehl();
}

void Timer7Go()
{
    auto& z = kartenzeitgeberZustand;
    if (z.promptOffen) return;
    for (;;) {
        if (!KartenleserAktiv || !KartenkopfLesen()) {
            SpielerkarteWartet = 1;
            return;
        }
        // A card is taken once while it stays in, and what is wrong with it
        // is told once: the operator types the names meanwhile.
        if (!SpielerkarteWartet || KarteGenommen()) return;
        if (!KartenkennungIst(SpielerkartenKennung)) {
            if (KarteGemeldet()) return;
            KarteGemeldetMerken();
            // Raised by the poll while the operator may be typing the names.
            boxen().meldung(KeineSpielerkarteText);
            return;
        }
        if (SpielerkarteEinlesen() || KarteGemeldet()) return;
        z.promptOffen = true;
        const int antwort = boxen().hinweisOk(QStringLiteral("Bitte Karte erneut einschieben !"));
        z.promptOffen = false;
        if (antwort != ErgebnisOk) {
            if (KartenkopfLesen()) KarteGemeldetMerken();
            Timer7().setEnabled(false);
            return;
        }
    }
}

void Timer71Go() { SpielerkarteNichtAbwarten(); }

void KartenzeitgeberStarten()
{
    kartenzeitgeberZustand.bereit = true;
    KartenabfrageFortsetzen();
}

void KartenzeitgeberBeenden()
{
    for (Zeitgeber* t : {&Timer5(), &Timer7(), &Timer71()}) t->setEnabled(false);
}

void KartenabfrageFortsetzen() { Timer5().setEnabled(KartenTimerAktiv != 0); }

void SpielerkarteAbwarten()
{
    SpielerkarteWartet = 1;
    Timer7().setEnabled(true);
    Timer71().setEnabled(false);
    Timer71().setEnabled(true);
}

void SpielerkarteNichtAbwarten()
{
    Timer7().setEnabled(false);
    Timer71().setEnabled(false);
    SpielerkarteWartet = 0;
}

void setSpielerkarteEinlesen(std::function<bool()> einlesen) { einlesenAufruf() = std::move(einlesen); }

bool SpielerkarteEinlesen()
{
    const std::function<bool()>& f = einlesenAufruf();
    if (!f || !f()) return false;
    KarteGenommenMerken();
    Timer71().setEnabled(false);
    Timer71().setEnabled(true);
    SpielerkarteWartet = 0;
    return true;
}
