#include "platform/bericht/Berichtsprojekt.h"

#include <gtest/gtest.h>
