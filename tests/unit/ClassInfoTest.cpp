#include <gtest/gtest.h>
#include "framework/ClassInfo.h"
TEST(Placeholder, Builds) { EXPECT_TRUE(fw::ClassRegistry::Find("None") == nullptr); }
