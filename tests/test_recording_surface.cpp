#include "RecordingSurface.h"

#include <gtest/gtest.h>

TEST(RecordingSurface, Placeholder) { SUCCEED(); }
