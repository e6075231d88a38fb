#include "displays/Werbung.h"
