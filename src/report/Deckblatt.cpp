#include "report/Deckblatt.h"
