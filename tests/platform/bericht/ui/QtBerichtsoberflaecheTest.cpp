#include "platform/bericht/ui/QtBerichtsoberflaeche.h"

#include <gtest/gtest.h>
