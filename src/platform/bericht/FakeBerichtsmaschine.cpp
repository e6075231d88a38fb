#include "platform/bericht/FakeBerichtsmaschine.h"
