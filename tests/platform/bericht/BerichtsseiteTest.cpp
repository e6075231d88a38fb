#include "platform/bericht/Berichtsseite.h"

#include <gtest/gtest.h>
