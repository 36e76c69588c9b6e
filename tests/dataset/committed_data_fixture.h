#pragma once
// The program on a copy of the committed data set, started on Bulbasaur, for
// the tests that check what a player sees in the real data.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/faunary_fixture.h"

class CommittedDataSet : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(std::filesystem::path(FAUNARY_REPO_DIR) / "data", app.Dir().path() / "data",
                          std::filesystem::copy_options::recursive);
    app.StartOn("1");
  }
  FaunaryFixture app{""};
};
