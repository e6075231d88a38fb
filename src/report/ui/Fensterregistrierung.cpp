#include "report/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"
#include "report/ui/Druckoptionen.h"
#include "report/ui/Positionsdialog.h"

void ReportFensterRegistrieren(Fensterhub& hub)
{
    hub.registrieren(Dialog::Position, [](QWidget* eltern) { return new TPositionsdialog(eltern); });
    hub.registrierenMitSeite(Dialog::Druckoptionen,
                             [](QWidget* eltern, int seite) { return new TDruckoptionen(eltern, seite); });
}
