#include "report/Formularansicht.h"
