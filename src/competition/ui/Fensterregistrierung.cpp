#include "competition/ui/Fensterregistrierung.h"

#include "competition/ui/Wettkampf.h"
#include "core/ui/Fensterhub.h"

void CompetitionFensterRegistrieren(Fensterhub& hub)
{
    hub.registrieren(MdiFenster::Wettkampf, [](QWidget* eltern) { return new TWettkampf(eltern); });
}
