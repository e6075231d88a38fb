#pragma once
// A report engine for tests: records every call with its arguments and
// answers from a script.

#include "platform/bericht/Berichtsmaschine.h"
