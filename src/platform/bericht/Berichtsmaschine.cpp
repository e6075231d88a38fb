#include "platform/bericht/Berichtsmaschine.h"
