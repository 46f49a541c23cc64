#include <gtest/gtest.h>
TEST(AngleStats, Placeholder) {}
