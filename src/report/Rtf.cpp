#include "report/Rtf.h"
