#include "match/flow/Bahnzyklus.h"
#include "match/flow/TimerModul.h"

#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/Zeitgeber.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/bus/CanEmpfang.h"
#include "match/bus/CanFrames.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/print/Druckwarteschlange.h"
#include "match/flow/Spielende.h"
#include "match/flow/Spielbahnen.h"
#include "match/flow/Startprompts.h"
#include "match/flow/Zeitgeberliste.h"

#include <QList>
#include <QStringList>
#include <algorithm>

TimerZustand timerZustand;
u8& BahnendeTimerAktiv = timerZustand.BahnendeTimerAktiv;
u8& CanEmpfangTimerAktiv = timerZustand.CanEmpfangTimerAktiv;
u8& EingabeGesperrt = timerZustand.EingabeGesperrt;

namespace {

// The status-bar clock's next tick falls on the next full minute, so that
// the minute shown is never behind by more than a tick's lateness.
void UhrStellen(const QDateTime& jetzt)
{
    const QTime t = jetzt.time();
    Timer1().setInterval(60000 - (t.second() * 1000 + t.msec()));
}

bool Wartet(int bahn)
{
    const TWettkampfDaten* m = BahnDaten[bahn].Wettk;
    return m && m->WechselAnstehend;
}

// Phase 1: lanes waiting for their controller's online answer.
void Anmeldung()
{
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) {
        if (!(AnmeldeMaske & BahnBit(bahn)) || Wartet(bahn)) continue;
        TBahnDaten& l = BahnDaten[bahn];
        startPrompts().hinweisStartZeigen();
        ++l.AnmeldeZaehler;
        if (--Startzaehler[bahn] >= 1) continue;
        if (l.BahnOnline) {
            AnmeldeMaske &= u16(~BahnBit(bahn));
            startPrompts().hinweisStartVerbergen();
            l.AnmeldeZaehler = 0;
            l.BahnStatus = 3;
            CanNachrichtSenden(bahn, CanRahmen::SpielNrAnfrage());
            // A lane printer to be started while its lane was still offline
            // is switched on now that the lane listens.
            if ((BahndruckMaske & BahnBit(bahn)) && Einst.DrEinschalten && !WurfblattDrucker[bahn])
                CanNachrichtSenden(bahn, CanRahmen::DruckerEin());
        } else if (l.AnmeldeZaehler > 23) {
            startPrompts().hinweisStartVerbergen();
            if (startPrompts().pruefenSichtbar()) continue;
            if (startPrompts().pruefen(bahn) == 1) {
                BahnAnmelden(bahn);
            } else {
                AnmeldeMaske &= u16(~BahnBit(bahn));
                l.BahnOnline = 0;
                l.AnmeldeZaehler = 0;
                // Without a bus no lane ever answers: the lane is started
                // offline and scored by hand in the correction panel.
                if (CanAktiv) BahnAufgeben(bahn);
            }
        }
    }
}

// Phase 2: lane printers to be reported ready.
void Bahndrucker()
{
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) {
        if (!(BahndruckMaske & BahnBit(bahn))) continue;
        ++BahnDruckerStatus[bahn];
        if (!Einst.DrEinschalten) {
            BahnDruckerStatus[bahn] = 5;
            WurfblattDrucker[bahn] = 1;
        }
        if (BahnDruckerStatus[bahn] <= 4) continue;
        if (WurfblattDrucker[bahn]) {
            BahnDruckerStatus[bahn] = 0;
            BahndruckMaske &= u16(~BahnBit(bahn));
        } else if (!startPrompts().pruefenSichtbar()) {
            if (startPrompts().pruefen(100 + bahn) == 1) {
                drucker().bahndruckBeginnen(bahn);
            } else {
                BahndruckMaske &= u16(~BahnBit(bahn));
                BahnDruckerStatus[bahn] = 0;
                drucker().bahndruckBeenden(bahn);
            }
        }
    }
}

// Phase 3: lanes to be prepared once they report no foreign match.
void Vorbereitung()
{
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) {
        if (!(VorbereitungsMaske & BahnBit(bahn))) continue;
        TBahnDaten& l = BahnDaten[bahn];
        ++l.AnmeldeZaehler;
        if (!l.BahnOnline || l.BahnStatus < 3) {
            VorbereitungsMaske &= u16(~BahnBit(bahn));
            BahnVorbereiten(bahn);
            l.AnmeldeZaehler = 0;
        } else if (l.AnmeldeZaehler > 3 && !startPrompts().pruefenSichtbar()) {
            l.AnmeldeZaehler = 0;
            if (startPrompts().pruefen(bahn) == 1) {
                CanNachrichtSenden(bahn, CanRahmen::SpielNrAnfrage());
            } else if (l.BahnStatus < 3) {
                VorbereitungsMaske &= u16(~BahnBit(bahn));
                BahnVorbereiten(bahn);
            } else {
                BahnAufgeben(bahn);
            }
        }
    }
}

// Phase 4: PC-port printers for the lanes that print throw sheets. A lane
// without a free printer prints no sheet; the lanes whose operator is to be
// told so come back (each match's lane once: the next round tries again
// without a word; a match in its first round is a new one, even in the slot
// of the last).
QList<int> Druckerpruefung()
{
    QList<int> ohneDrucker;
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) {
        if (!(DruckerpruefMaske & BahnBit(bahn))) continue;
        const TWettkampfDaten* m = BahnDaten[bahn].Wettk;
        if (WurfblattDrucker[bahn] && m && m->DrWurfblatt) {
            bool ok = true;
            if (m->DrZweiBahnen) ok = drucker().bahndruckerZuordnen(bahn);
            if (m->DrZentral) ok = drucker().bahndruckerZuordnenSpiel(bahn);
            const TWettkampfDaten*& gemeldet = timerZustand.KeinDruckerGemeldet[bahn];
            if (ok) {
                gemeldet = nullptr;
            } else {
                WurfblattDrucker[bahn] = 0;
                if (gemeldet != m || m->Durchgang <= 1) ohneDrucker << bahn;
                gemeldet = m;
            }
        }
        DruckerpruefMaske &= u16(~BahnBit(bahn));
    }
    return ohneDrucker;
}

void KeinDruckerMelden(const QList<int>& bahnen)
{
    if (bahnen.isEmpty()) return;
    QStringList nummern;
    for (int bahn : bahnen) nummern << QString::number(bahn);
    boxen().hinweis(bahnen.size() == 1
                        ? QStringLiteral("Für Bahn %1 ist kein Drucker frei: ihr Wurfblatt wird nicht gedruckt.")
                              .arg(nummern.first())
                        : QStringLiteral("Für die Bahnen %1 ist kein Drucker frei: ihre Wurfblätter werden nicht "
                                         "gedruckt.")
                              .arg(nummern.join(QStringLiteral(", "))));
}

// Phase 6: printers that a lane reported without connection.
void Druckeranfragen()
{
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) {
        if (!(DruckerAnfrageMaske & BahnBit(bahn))) continue;
        if (startPrompts().pruefenSichtbar()) continue;
        const TWettkampfDaten* m = BahnDaten[bahn].Wettk;
        const int paar = DruckerPaarBahn(bahn);
        if (startPrompts().pruefen(200 + bahn) == 1) {
            if (m && m->DrZweiBahnen) {
                WurfblattDrucker[bahn] = 1;
                if (WurfblattDrucker.contains(paar)) WurfblattDrucker[paar] = 1;
            }
            if (m && m->DrZentral)
                for (int k : BahnenVon(*m))
                    WurfblattDrucker[k] = 1;
            drucker().druckerInitialisieren(bahn);
            drucker().bahndruckAnstossen(bahn);
            DruckeranfragenZurueckziehen(bahn);
        } else {
            drucker().bahndruckBeenden(bahn);
            // The shared sheet's output is dropped only when no lane prints on it any more.
            if (!DruckerGeteilt(bahn)) drucker().druckwarteschlangeLeeren(bahn);
        }
        DruckerAnfrageMaske &= u16(~BahnBit(bahn));
    }
}

}  // namespace

void TimerModulStarten()
{
    Timer1().setJob(&Timer1Go);
    Timer2().setJob(&Timer2Go);
    Timer3().setJob(&Timer3Go);
    Timer9().setJob(&Timer9Go);
    TimerSpielEnde().setJob(&TimerSpielEndeGo);
    TimerBahnEnde().setJob(&TimerBahnEndeGo);
    TimerFocus().setJob(&TimerFocusGo);
    CanSendeTimer().setInterval(Einst.CanBusTimer ? Einst.CanBusTimer : 10);
    EingabeGesperrt = 0;
    if (CanAktiv) {
        for (int bahn = 1; bahn <= BahnAnzahl; ++bahn)
            CanNachrichtSenden(bahn, CanRahmen::Konfiguration(Einst.PcEinheit));
        if (Einst.MannschanzOn) MannschaftsanzeigeSchalten();
        if (Einst.NamenanzOn) NamenanzeigeSchalten();
    }
    UhrStellen(Jetzt());
    Timer1().setEnabled(true);
    Timer2().setEnabled(BahnendeTimerAktiv);
    Timer3().setEnabled(CanEmpfangTimerAktiv);
    CanWacheTimer().setEnabled(CanAktiv);
}

void TimerModulBeenden()
{
    for (Zeitgeber* t : {&Timer1(), &Timer2(), &Timer3(), &CanSendeTimer(), &Timer9(), &CanWacheTimer()})
        t->setEnabled(false);
}

void Timer1Go()
{
    const QDateTime jetzt = Jetzt();
    fenster().statusText(3, QString::asprintf("%02d.%02d.%02d   %02d:%02d", jetzt.date().day(), jetzt.date().month(),
                                              jetzt.date().year() % 100, jetzt.time().hour(), jetzt.time().minute()));
    UhrStellen(jetzt);
}

void Timer2Go()
{
    BahnendePruefen();
    // Lanes held by a throw: their waiting frames go on at the next receive tick.
    WurfGesehen = 0;
}

void Timer3Go() { CanNachrichtLesen(); }

void Timer9Go()
{
    Zeitgeber& timer = Timer9();
    timer.setEnabled(false);
    Anmeldung();
    if (AnmeldeMaske) {
        timer.setEnabled(true);
        return;
    }
    Bahndrucker();
    if (BahndruckMaske) {
        timer.setEnabled(true);
        return;
    }
    Vorbereitung();
    if (VorbereitungsMaske) {
        timer.setEnabled(true);
        fenster().hauptmenueAktualisieren();
        return;
    }
    const QList<int> ohneDrucker = Druckerpruefung();
    if (DruckerpruefMaske) {
        timer.setEnabled(true);
        KeinDruckerMelden(ohneDrucker);
        return;
    }
    for (int bahn = 1; bahn <= MaxBahnen; ++bahn) {
        if (!(StartMaske & BahnBit(bahn))) continue;
        StartMaske &= u16(~BahnBit(bahn));
        BahnStarten(bahn);
    }
    // After the starts: the notice holds no lane up.
    KeinDruckerMelden(ohneDrucker);
    if (StartMaske) {
        timer.setEnabled(true);
        return;
    }
    fenster().hauptmenueAktualisieren();
    Druckeranfragen();
    if (DruckerAnfrageMaske) timer.setEnabled(true);
}

namespace {

// One second of the countdowns k = 1..bis: a count that runs rises to
// TimeoutBahnw, then its action runs (and runs again each second until it
// clears the count); with no count running the timer goes off.
template <typename Zaehler, typename Aktion>
void Countdown(Zeitgeber& timer, int bis, Zaehler zaehler, Aktion aktion)
{
    bool zaehlt = false;
    for (int k = 1; k <= bis; ++k) {
        auto& z = zaehler(k);
        if (!z) continue;
        zaehlt = true;
        if (z < Einst.TimeoutBahnw)
            ++z;
        else
            aktion(k);
    }
    if (!zaehlt) timer.setEnabled(false);
}

}  // namespace

void TimerSpielEndeGo()
{
    Countdown(
        TimerSpielEnde(), MaxWettkaempfe, [](int k) -> auto& { return Wettkaempfe[k].EndeAngefordert; },
        [](int k) { SpielBeenden(Wettkaempfe[k]); });
}

void TimerBahnEndeGo()
{
    Countdown(
        TimerBahnEnde(), std::min<int>(BahnAnzahl, MaxBahnen), [](int k) -> auto& { return BahnDaten[k].BahnendeZaehler; },
        [](int k) { BahnAbmelden(k); });
}

void TimerFocusGo()
{
    fenster().hauptfensterFokus();
    TimerFocus().setEnabled(false);
}
