#include "platform/bericht/Berichtsseite.h"
