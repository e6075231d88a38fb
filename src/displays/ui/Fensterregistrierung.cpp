#include "displays/ui/Fensterregistrierung.h"

#include "core/ui/Fensterhub.h"

void DisplaysFensterRegistrieren(Fensterhub& /*hub*/) {}
