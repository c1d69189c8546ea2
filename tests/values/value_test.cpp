#include "values/value.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(Value, EmptyShowsAsEmptyText) { EXPECT_EQ(Value().display(), ""); }
