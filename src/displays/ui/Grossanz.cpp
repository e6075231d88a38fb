#include "displays/ui/Grossanz.h"
