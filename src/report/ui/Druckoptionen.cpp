#include "report/ui/Druckoptionen.h"
