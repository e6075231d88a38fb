#include "components/Dateikomponenten.h"
