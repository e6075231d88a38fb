#include "displays/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"
#include "displays/ui/Anzeigefenster.h"
#include "displays/ui/Grossanz.h"
#include "displays/ui/Mannschaftanz.h"
#include "displays/ui/Namenanz.h"

void DisplaysFensterRegistrieren(Fensterhub& hub)
{
    for (Anzeigefenster k : {Anzeigefenster::Klein, Anzeigefenster::Gross})
        hub.registrieren(k, [k](QWidget* eltern) { return new TAnzeigefenster(k, eltern); });
    hub.registrieren(KonfigFenster::Grossanz, [](QWidget* eltern) { return new TGrossanz(eltern); });
    hub.registrieren(KonfigFenster::Namenanz, [](QWidget* eltern) { return new TNamenanz(eltern); });
    hub.registrieren(KonfigFenster::Mannschaftanz, [](QWidget* eltern) { return new TMannschaftanz(eltern); });
}
