#include "platform/bericht/ui/QtBerichtsoberflaeche.h"
