#include "report/Netzmodul.h"
