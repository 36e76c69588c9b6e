#include <gtest/gtest.h>

#include <memory>

#include "support/program_reset.h"

namespace {
// A fresh program before each test and after it, whatever the test left.
class ResetAroundEachTest : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override { reset_ = std::make_unique<ProgramReset>(); }
  void OnTestEnd(const testing::TestInfo&) override { reset_.reset(); }
  std::unique_ptr<ProgramReset> reset_;
};
}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new ResetAroundEachTest);
  return RUN_ALL_TESTS();
}
