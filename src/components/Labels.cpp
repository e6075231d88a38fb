#include "components/Labels.h"
