#include "displays/ui/Anzeigefenster.h"
