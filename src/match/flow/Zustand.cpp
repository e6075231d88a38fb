#include "match/flow/Bahnzyklus.h"
#include "match/flow/Zustand.h"

#include "core/Anzeigedienste.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Tastatur.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/lanes/Bahnuebersicht.h"
#include "match/bus/CanEmpfang.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/print/Druckerportdialog.h"
#include "match/print/Druckwarteschlange.h"
#include "match/dienste/Netzdienste.h"
#include "match/flow/Spielablauf.h"
#include "match/flow/Startprompts.h"
#include "match/flow/TimerModul.h"
#include "match/engine/Wertung.h"
#include "match/dienste/Wettbewerbdienste.h"
#include "match/flow/Wettkampfslots.h"
#include "core/Zeitgeber.h"
#include "match/flow/Zeitgeberliste.h"

void ZustandZuruecksetzen()
{
    for (Zeitgeber* t : {&Timer1(), &Timer2(), &Timer3(), &Timer9(), &TimerSpielEnde(), &TimerBahnEnde(),
                         &TimerFocus(), &CanWacheTimer()})
        t->setEnabled(false);
    CanSendenZuruecksetzen();
    CanEmpfangZuruecksetzen();
    SpielablaufZuruecksetzen();  // also the round change
    AnzeigezustandZuruecksetzen();
    GlobalsZuruecksetzen();

    canKarteZustand.zuruecksetzen();
    druckZustand.zuruecksetzen();
    druckwarteschlangeZustand.zuruecksetzen();
    OptDrucker = {};
    netzZustand.zuruecksetzen();
    timerZustand.zuruecksetzen();
    anzeigeschichtZustand.zuruecksetzen();
    punkteZustand.zuruecksetzen();
    bahnuebersichtZustand.zuruecksetzen();
    wettkampfslotsZustand.zuruecksetzen();
    wettbewerbZustand.zuruecksetzen();
    tastaturZustand.zuruecksetzen();

    skriptBoxen() = SkriptBoxen{};
    skriptPrompts() = SkriptPrompts{};
}
