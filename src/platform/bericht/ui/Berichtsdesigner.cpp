#include "platform/bericht/ui/Berichtsdesigner.h"
