#include "match/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"
#include "match/ui/CanTiming.h"

void MatchFensterRegistrieren(Fensterhub& hub)
{
    hub.registrieren(Dialog::CanTiming, [](QWidget* eltern) { return new TCanTiming(eltern); });
}
