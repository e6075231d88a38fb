#include "report/Spielbericht.h"
