#include "displays/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"
#include "displays/ui/Anzeigefenster.h"
#include "displays/ui/Grossanz.h"

void DisplaysFensterRegistrieren(Fensterhub& hub)
{
    for (Anzeigefenster k : {Anzeigefenster::Klein, Anzeigefenster::Gross})
        hub.registrieren(k, [k](QWidget* eltern) { return new TAnzeigefenster(k, eltern); });
    hub.registrieren(KonfigFenster::Grossanz, [](QWidget* eltern) { return new TGrossanz(eltern); });
}
