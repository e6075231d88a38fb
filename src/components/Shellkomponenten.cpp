#include "components/Shellkomponenten.h"
