#include "shell/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"
#include "shell/ui/Main.h"
#include "shell/ui/Optionen.h"
#include "shell/ui/Progende.h"
#include "shell/ui/Service.h"

#include <QPointer>

void ShellFensterRegistrieren(Fensterhub& hub)
{
    hub.registrieren(Dialog::Optionen, [](QWidget* eltern) { return new TOptionen(eltern); });
    // The update ends the program the way the end dialog's "Ja" does.
    hub.registrieren(Dialog::Service, [](QWidget* eltern) {
        const auto* haupt = qobject_cast<TMain*>(eltern);
        const QPointer<TProgende> ende = haupt ? haupt->Progende : nullptr;
        return new TService(eltern, [ende] {
            if (ende) ende->ProgrammBeenden();
        });
    });
}
