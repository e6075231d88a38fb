#include "report/ui/Positionsdialog.h"
