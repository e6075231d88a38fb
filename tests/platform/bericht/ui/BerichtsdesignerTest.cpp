#include "platform/bericht/ui/Berichtsdesigner.h"

#include <gtest/gtest.h>
