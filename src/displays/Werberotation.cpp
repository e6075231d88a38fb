#include "displays/Werberotation.h"
