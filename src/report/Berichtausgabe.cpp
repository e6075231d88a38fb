#include "report/Berichtausgabe.h"
