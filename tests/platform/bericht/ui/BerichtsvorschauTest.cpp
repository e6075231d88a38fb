#include "platform/bericht/ui/Berichtsvorschau.h"

#include <gtest/gtest.h>
