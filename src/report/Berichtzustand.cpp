#include "report/Berichtzustand.h"

BerichtZustand berichtZustand;
