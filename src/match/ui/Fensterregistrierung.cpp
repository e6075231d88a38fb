#include "match/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"
#include "match/ui/CanTiming.h"
#include "match/ui/Ergebnis.h"

void MatchFensterRegistrieren(Fensterhub& hub)
{
    hub.registrieren(Dialog::CanTiming, [](QWidget* eltern) { return new TCanTiming(eltern); });
    hub.registrieren(MdiFenster::Ergebnis, [](QWidget* eltern) { return new TErgebnis(eltern); });
}
