#include "components/Oberflaechenkomponenten.h"
