#include "displays/Grossanzsteuerung.h"
