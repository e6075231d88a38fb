#include "platform/bericht/EigeneBerichtsmaschine.h"

#include <gtest/gtest.h>
