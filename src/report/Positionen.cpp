#include "report/Positionen.h"
