#include "platform/bericht/EigeneBerichtsmaschine.h"
