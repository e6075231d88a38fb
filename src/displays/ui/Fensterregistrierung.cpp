#include "displays/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"
#include "displays/ui/Anzeigefenster.h"
#include "displays/ui/Grossanz.h"
#include "displays/ui/Infoterminal.h"
#include "displays/ui/Mannschaftanz.h"
#include "displays/ui/Monitoranz.h"
#include "displays/ui/Namenanz.h"

void DisplaysFensterRegistrieren(Fensterhub& hub)
{
    for (Anzeigefenster k : {Anzeigefenster::Klein, Anzeigefenster::Gross})
        hub.registrieren(k, [k](QWidget* eltern) { return new TAnzeigefenster(k, eltern); });
    hub.registrieren(KonfigFenster::Grossanz, [](QWidget* eltern) { return new TGrossanz(eltern); });
    hub.registrieren(KonfigFenster::Namenanz, [](QWidget* eltern) { return new TNamenanz(eltern); });
    hub.registrieren(KonfigFenster::Mannschaftanz, [](QWidget* eltern) { return new TMannschaftanz(eltern); });
    hub.registrieren(KonfigFenster::Monitoranz, [](QWidget* eltern) { return new TMonitoranz(eltern); });
    hub.registrieren(KonfigFenster::Infoterminal, [](QWidget* eltern) { return new TInfoterminal(eltern); });
}
