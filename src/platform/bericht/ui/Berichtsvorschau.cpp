#include "platform/bericht/ui/Berichtsvorschau.h"
