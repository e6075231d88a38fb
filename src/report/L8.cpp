#include "report/L8.h"
