#include "report/ui/Formularvorschau.h"
