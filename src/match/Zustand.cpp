#include "match/Bahnzyklus.h"
#include "match/Zustand.h"

#include "core/Anzeigedienste.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Tastatur.h"
#include "match/Anzeigeschicht.h"
#include "match/Bahnuebersicht.h"
#include "match/CanEmpfang.h"
#include "match/CanKarte.h"
#include "match/CanSenden.h"
#include "match/Druckdienste.h"
#include "match/Druckwarteschlange.h"
#include "match/Netzdienste.h"
#include "match/Spielablauf.h"
#include "match/Startprompts.h"
#include "match/TimerModul.h"
#include "match/Wertung.h"
#include "match/Wettbewerbdienste.h"
#include "match/Wettkampfslots.h"
#include "core/Zeitgeber.h"
#include "match/Zeitgeberliste.h"

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
