#include "report/Berichtsvariablen.h"
