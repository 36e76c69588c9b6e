// faunary-text says why it cannot show a page: the message boxes shown so far
// come first, and without any Pokemon data it names where it looked.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/temp_workdir.h"

namespace {

struct Case {
  const char* fixture;
  const char* pokemon;
  int status;
  const char* out;  // a message box that must be printed
  const char* err;
};

void PrintTo(const Case& c, std::ostream* out) { *out << "faunary-text " << c.pokemon << " in '" << c.fixture << "'"; }

class FaunaryTextExplains : public testing::TestWithParam<Case> {};

TEST_P(FaunaryTextExplains, WhyItStops) {
  TempWorkdir dir{GetParam().fixture};
  const std::string command =
      std::string("'") + FAUNARY_TEXT_PROGRAM + "' " + GetParam().pokemon + " >run.out 2>run.err";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), GetParam().status);
  EXPECT_NE(dir.Read("run.out").find(GetParam().out), std::string::npos) << dir.Read("run.out");
  const std::string err = dir.Read("run.err");
  EXPECT_NE(err.find(GetParam().err), std::string::npos) << err;
  if (GetParam().status == 4) {
    EXPECT_NE(err.find(dir.path().string()), std::string::npos) << err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, FaunaryTextExplains,
    testing::Values(Case{"", "1", 4, "Invalid Pokemon selected", "no Pokemon data found"},
                    Case{"pages-basic", "nosuch", 1, "the first time you are running", "no Pokemon with"}));

}  // namespace
