#include "components/Threads.h"
