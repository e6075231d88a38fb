#include "displays/ui/Vorschau.h"
