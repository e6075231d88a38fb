#pragma once
// The report engine's windows: progress box, print dialog and printer,
// preview window, designer, file dialog.

#include "platform/bericht/Berichtsoberflaeche.h"

// Installs them for the report engine (the program's start calls it).
void BerichtsoberflaecheEinrichten();
