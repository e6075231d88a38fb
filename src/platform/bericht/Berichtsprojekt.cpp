#include "platform/bericht/Berichtsprojekt.h"
