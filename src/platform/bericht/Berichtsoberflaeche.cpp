#include "platform/bericht/Berichtsoberflaeche.h"
