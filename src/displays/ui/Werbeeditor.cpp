#include "displays/ui/Werbeeditor.h"
