// faunary-text's questions run as a user runs them, in the repository with its committed data.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "textui/text_program.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class AskText : public testing::Test {
 protected:
  void SetUp() override { std::filesystem::current_path(FAUNARY_REPO_DIR); }
};

TEST_F(AskText, GengarsMatchupsInDiamond) {
  // Ghost/Poison in Diamond's chart: Bug is x1/2 on Ghost and x1/2 on Poison, Dark came with Gold.
  const TextRun diamond = RunFaunaryText({"gengar", "--matchups", "--gen", "4"});
  EXPECT_EQ(diamond.status, 0);
  EXPECT_EQ(diamond.out,
            "94 Gengar (Ghost/Poison), generation 4\n"
            "x2  Ground, Psychic, Ghost, Dark\n"
            "x1/2  Grass\n"
            "x1/4  Poison, Bug\n"
            "x0  Normal, Fighting\n"
            "with Levitate  Ground x0 (was x2)\n");
}

TEST_F(AskText, SurfInDiamondPearlIsHm03ForEveryLine) {
  const TextRun run = RunFaunaryText({"--learns", "surf", "--game", "dp"});
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GT(lines.size(), 100u);
  for (const std::string& line : lines) EXPECT_NE(line.find("HM03"), std::string::npos) << line;
  EXPECT_EQ(lines.front(), "7 Squirtle  HM03 (DP)");
  EXPECT_NE(run.out.find("\n131 Lapras  HM03 (DP)\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n419 Floatzel  HM03 (DP)\n"), std::string::npos);
}

TEST_F(AskText, NamesMatchLooselyAndUnknownNamesSuggestTheClosest) {
  EXPECT_EQ(RunFaunaryText({"--learns", "Thunder-Punch", "--game", "C", "--how", "tutor"}).status, 0);
  EXPECT_EQ(RunFaunaryText({"--learns", "thunderpunch", "--game", "c", "--how", "tutor"}).out,
            RunFaunaryText({"--learns", "thunder punch", "--game", "C", "--how", "tutor"}).out);
  const TextRun typo = RunFaunaryText({"--learns", "thunderpnch"});
  EXPECT_EQ(typo.status, 1);
  EXPECT_NE((typo.out + typo.err).find("did you mean ThunderPunch"), std::string::npos) << typo.out << typo.err;
  EXPECT_EQ(RunFaunaryText({"--ability", "levitat"}).status, 1);
  EXPECT_EQ(RunFaunaryText({"--at", "Route 322"}).status, 1);
  EXPECT_EQ(RunFaunaryText({"mr mime", "--matchups", "--gen", "1"}).status, 0);
  EXPECT_EQ(RunFaunaryText({"--learns", "surf", "--game", "zz"}).status, 3);
  EXPECT_EQ(RunFaunaryText({"152", "--matchups", "--gen", "1"}).status, 3);  // Chikorita is not in Red
}

TEST_F(AskText, Route32AtNightInCrystalAsTabSeparatedRows) {
  const TextRun run = RunFaunaryText({"--at", "Route 32", "--version", "Crystal", "--time", "night", "--format", "tsv"});
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
  EXPECT_TRUE(wooper);  // Wooper comes out on Route 32 only at night (pokecrystal's johto_grass)
  // A whole place name asks for that part of the place only: its Headbutt trees.
  const std::string trees = RunFaunaryText({"--at", "Route 32 (Headbutt)", "--version", "Crystal"}).out;
  EXPECT_NE(trees.find("Exeggcute"), std::string::npos) << trees;
  EXPECT_EQ(trees.find("Wooper"), std::string::npos) << trees;
}

}  // namespace
