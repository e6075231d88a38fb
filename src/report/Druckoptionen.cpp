#include "report/Druckoptionen.h"
