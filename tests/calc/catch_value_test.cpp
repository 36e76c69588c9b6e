#include "calc/catch_value.h"

#include <gtest/gtest.h>

namespace {

// The dialog covers every value a fixture Pokemon gives; these inputs only
// come from damaged records.
TEST(CatchValue, StaysDefinedForDamagedRecords) {
  EXPECT_EQ(CatchValue(0, 0, 45, 0), 91) << "a maximum of 0 counts as unhurt";
  EXPECT_EQ(CatchValue(10, 0, 1000000000, 0), -2147483647 - 1) << "wraps, never overflows";
}

}  // namespace
