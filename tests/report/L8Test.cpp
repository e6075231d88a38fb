#include "report/L8.h"

#include <gtest/gtest.h>
