#include "displays/Grossanzeige.h"
