#include "report/ui/Berichtausgabe.h"
