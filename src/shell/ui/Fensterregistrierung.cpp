#include "shell/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"
#include "shell/ui/Optionen.h"

void ShellFensterRegistrieren(Fensterhub& hub)
{
    hub.registrieren(Dialog::Optionen, [](QWidget* eltern) { return new TOptionen(eltern); });
}
