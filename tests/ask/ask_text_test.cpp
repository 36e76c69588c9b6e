// faunary-text's questions run as a user runs them, in the repository with its committed data.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
  int status = -1;
  std::string out;
};

// Runs faunary-text in the repository (arguments hold no quote); standard error joins the output.
Outcome FaunaryText(const std::string& args) {
  const std::string command =
      "cd '" FAUNARY_REPO_DIR "' && '" FAUNARY_TEXT_PROGRAM "' " + args + " 2>&1";
  Outcome outcome;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe)) outcome.out += buffer;
  const int raw = pipe ? pclose(pipe) : -1;
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return outcome;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(AskText, GengarsMatchupsInRedAndInDiamond) {
  // Ghost/Poison: Bug is x2 on Poison and x1/2 on Ghost in Red; Dark and Steel came with Gold.
  const Outcome red = FaunaryText("94 --matchups --gen 1");
  EXPECT_EQ(red.status, 0);
  EXPECT_EQ(red.out,
            "94 Gengar (Ghost/Poison), generation 1\n"
            "x2  Ground, Psychic, Ghost\n"
            "x1/2  Grass\n"
            "x1/4  Poison\n"
            "x0  Normal, Fighting\n");
  const Outcome diamond = FaunaryText("gengar --matchups --gen 4");
  EXPECT_EQ(diamond.status, 0);
  EXPECT_EQ(diamond.out,
            "94 Gengar (Ghost/Poison), generation 4\n"
            "x2  Ground, Psychic, Ghost, Dark\n"
            "x1/2  Grass\n"
            "x1/4  Poison, Bug\n"
            "x0  Normal, Fighting\n"
            "with Levitate  Ground x0 (was x2)\n");
}

TEST(AskText, SurfInDiamondPearlIsHm03ForEveryLine) {
  const Outcome run = FaunaryText("--learns surf --game dp");
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GT(lines.size(), 100u);
  for (const std::string& line : lines) EXPECT_NE(line.find("HM03"), std::string::npos) << line;
  EXPECT_EQ(lines.front(), "7 Squirtle  HM03 (DP)");
  EXPECT_NE(run.out.find("\n131 Lapras  HM03 (DP)\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n419 Floatzel  HM03 (DP)\n"), std::string::npos);
}

TEST(AskText, NamesMatchLooselyAndUnknownNamesSuggestTheClosest) {
  EXPECT_EQ(FaunaryText("--learns 'Thunder-Punch' --game C --how tutor").status, 0);
  EXPECT_EQ(FaunaryText("--learns thunderpunch --game c --how tutor").out,
            FaunaryText("--learns 'thunder punch' --game C --how tutor").out);
  const Outcome typo = FaunaryText("--learns thunderpnch");
  EXPECT_EQ(typo.status, 1);
  EXPECT_NE(typo.out.find("did you mean ThunderPunch"), std::string::npos) << typo.out;
  EXPECT_EQ(FaunaryText("--ability levitat").status, 1);
  EXPECT_EQ(FaunaryText("--at 'Route 322'").status, 1);
  EXPECT_EQ(FaunaryText("'mr mime' --matchups --gen 1").status, 0);
  EXPECT_EQ(FaunaryText("--learns surf --game zz").status, 3);
  EXPECT_EQ(FaunaryText("152 --matchups --gen 1").status, 3);  // Chikorita is not in Red
}

TEST(AskText, Route32AtNightInCrystalAsTabSeparatedRows) {
  const Outcome run = FaunaryText("--at 'Route 32' --version Crystal --time night --format tsv");
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GT(lines.size(), 5u);
  EXPECT_EQ(lines[0], "No\tPokemon\tVersion\tPlace\tLevels\tTime\tChance\tWay");
  bool wooper = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_NE(lines[i].find("\tCrystal\tRoute 32"), std::string::npos) << lines[i];
    EXPECT_TRUE(lines[i].find("\tnight\t") != std::string::npos || lines[i].find("\tany time\t") != std::string::npos)
        << lines[i];
    wooper = wooper || lines[i].rfind("194\tWooper\t", 0) == 0;
  }
  EXPECT_TRUE(wooper);  // Wooper comes out on Route 32 only at night
  // A whole place name asks for that part of the place only: its Headbutt trees.
  const std::string trees = FaunaryText("--at 'Route 32 (Headbutt)' --version Crystal").out;
  EXPECT_NE(trees.find("Exeggcute"), std::string::npos) << trees;
  EXPECT_EQ(trees.find("Wooper"), std::string::npos) << trees;
}

}  // namespace
