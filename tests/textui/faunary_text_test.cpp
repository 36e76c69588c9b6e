// Runs the faunary-text program itself in a working directory holding the
// pages fixture data set, as a user would from a shell.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "support/temp_workdir.h"
#include "textui/text_program.h"

namespace {

const char* const kSettings =
    "<?xml version=\"1.0\" ?>\n<options version=\"4\">\n    <crtronload>1</crtronload>\n"
    "    <crtrloadpick>152</crtrloadpick>\n    <pageonload>1</pageonload>\n"
    "    <pageloadpick>11</pageloadpick>\n    <autoupdate>0</autoupdate>\n</options>\n";

class FaunaryText : public testing::Test {
 protected:
  void SetUp() override { dir.Write("faunary.cfgx", kSettings); }
  // The committed data set in place of the fixture's.
  void UseCommittedData() {
    dir.Remove("data");
    dir.Remove("faunary.dat");
    std::filesystem::copy(std::filesystem::path(FAUNARY_REPO_DIR) / "data", dir.path() / "data",
                          std::filesystem::copy_options::recursive);
  }
  TempWorkdir dir{"pages-basic"};
};

constexpr const char* kTabs =
    "Main | [Attacks] | Pokedex Entries | Breeding | Comparisons | Calculations | RBY TMs | "
    "GSC TMs | RSEFRLG TMs | DP TMs 1 | DP TMs 2 | Tutors | Locations\n";

// The fixture data set predates Platinum and HeartGold/SoulSilver: their columns read "---".
TEST_F(FaunaryText, PrintsTheAttacksPageOfPokemon1) {
  const TextRun run = RunFaunaryText({"1", "--page", "Attacks"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            std::string("Bulbasaur (entry 1 of 10)\n"
                        "Move                   RB lvl  Y lvl   GS lvl  C lvl    RS lvl  FRLG lvl  XD lvl  DP lvl  Pt lvl  HGSS lvl\n"
                        "---------------------  ------  ------  ------  -------  ------  --------  ------  ------  ------  --------\n"
                        "[Normal] Tackle        Always  Always  Always  Always   Always  Always    Always  Always  ---     ---\n"
                        "[Grass] Vine Whip      13      13      10      10       10      10        ---     9       ---     ---\n"
                        "[Poison] PoisonPowder  20      20      15      15       15      15        XD      15      ---     ---\n"
                        "[Grass] Sleep Powder   41      41      15      15       15      15        ---     15      ---     ---\n"
                        "[Grass] Razor Leaf     27      27      20      20       20      20        ---     27      ---     ---\n"
                        "[Grass] Giga Drain     ---     ---     ---     ---      ---     ---       Purify  ---     ---     ---\n"
                        "[Fire] Ember           Evol    Gift    Gift    Stadium  Event   7         100     108     ---     ---\n"
                        "[Water] Bubble         -5      2       ---     ---      ---     ---       ---     ---     ---     ---\n"
                        "<About>\n"
                        "<Options>\n"
                        "<Find>\n") +
                kTabs);
  EXPECT_EQ(dir.Read("faunary.cfgx"), kSettings);  // read, never written
}

TEST_F(FaunaryText, BadArgumentsExitWithAClearMessageAndWriteNothing) {
  const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
      {{"Missingno"}, 1, "faunary-text: there is no Pokemon with the id or name \"Missingno\"\n"},
      {{"1", "--page", "Pokedex"}, 2, "faunary-text: there is no tab \"Pokedex\""},
      {{"1", "--page"}, 3, "faunary-text: --page needs a tab name\nUsage:"},
      {{"--move", "Poisn Powdr"}, 1, "faunary-text: there is no move \"Poisn Powdr\"; closest: PoisonPowder, "},
      {{"--move", "Powder"}, 1, "faunary-text: there is no move \"Powder\"; closest: Sleep Powder, PoisonPowder, "},
      {{"1", "--move", "Tackle"}, 3, "faunary-text: --move shows a move alone"}};
  for (const auto& [args, status, err_start] : cases) {
    const TextRun run = RunFaunaryText(args);
    EXPECT_EQ(run.status, status) << err_start;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with(err_start)) << run.err;
  }
  EXPECT_EQ(dir.Read("faunary.cfgx"), kSettings);
}

// Names match in any case, without spaces, hyphens and apostrophes.
TEST_F(FaunaryText, PrintsTheDetailsDialogOfAMove) {
  for (const char* name : {"PoisonPowder", "poison powder", "POISON-POWDER", "Poison'Powder"}) {
    const TextRun run = RunFaunaryText({"--move", name});
    EXPECT_EQ(run.status, 0) << name;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "=== PoisonPowder ===\nPoisonPowder\nType: Poison\nAttack Type: Status\nPower: 0\nPP: 35\n"
              "Accuracy: 75%\nNumber affected: 1\nEffect accuracy: 30%\nFixture effect: poisons sometimes.\n"
              "Contest Type: Smart\nAppeal: 1\nJam: 3\nFixture contest: jams the others.\n"
              "Super Contest Appeal: 1\nNo contest effect.\n<Done>\n")
        << name;
  }
}

// The committed moves as a player reads them in Platinum (its move table; the summary screen
// shows "---" for the accuracy of a move that never misses).
TEST_F(FaunaryText, CommittedMovesShowPlatinumsFacts) {
  UseCommittedData();
  const std::pair<const char*, const char*> cases[] = {
      {"poison fang", "Effect accuracy: 30%\n"}, {"heal bell", "Effect accuracy: 0%\n"},
      {"Cotton Spore", "Number affected: 1\n"},  {"hypnosis", "Accuracy: 60%\n"},
      {"aeroblast", "Accuracy: 95%\n"},          {"swift", "Accuracy: ---\n"},
      {"vicegrip", "=== ViceGrip ===\n"},        {"teleport", "Works in a way of its own (Teleport).\n"}};
  for (const auto& [name, line] : cases) {
    const TextRun run = RunFaunaryText({"--move", name});
    EXPECT_EQ(run.status, 0) << name << run.err;
    EXPECT_NE(run.out.find(line), std::string::npos) << name << ":\n" << run.out;
  }
}

// Pikachu and Lugia in the committed data against what a player meets in Platinum (pret
// pokeplatinum's learnsets and tutor table) and HeartGold/SoulSilver (Lugia's Aeroblast at 43,
// Ilex Forest's Headbutt tutor, HM05 Whirlpool, Route 36-37's version exclusives).
TEST_F(FaunaryText, CommittedPlatinumAndHeartGoldSoulSilver) {
  UseCommittedData();
  const std::tuple<const char*, const char*, const char*> levels[] = {
      {"pikachu", "Feint", "29      29      29"}, {"lugia", "Aeroblast", "85      85      43"},
      {"lugia", "Gust", "15      15      9"},     {"lugia", "Swift", "43      43      ---"}};
  for (const auto& [pokemon, move, cells] : levels) {
    const TextRun attacks = RunFaunaryText({pokemon, "--page", "Attacks"});
    EXPECT_NE(attacks.out.find("DP lvl  Pt lvl  HGSS lvl\n"), std::string::npos) << attacks.out;
    const std::size_t row = attacks.out.find(move);
    ASSERT_NE(row, std::string::npos) << move;
    const std::string line = attacks.out.substr(row, attacks.out.find('\n', row) - row);
    EXPECT_TRUE(line.ends_with(cells)) << line;
  }
  const TextRun tutors = RunFaunaryText({"25", "--page", "tutors"});
  EXPECT_EQ(tutors.status, 0) << tutors.err;
  for (const char* cell : {"Mud-Slap (Pt, HGSS)", "Signal Beam (Pt, HGSS)", "Headbutt (HGSS)", "Dive (greyed)",
                           "Draco Meteor (greyed)"})
    EXPECT_NE(tutors.out.find(std::string("\n") + cell + "\n"), std::string::npos) << cell << "\n" << tutors.out;
  const TextRun lapras = RunFaunaryText({"lapras", "--page", "DP TMs 2"});
  EXPECT_NE(lapras.out.find("\nHM5 - Defog (greyed)\nHM6"), std::string::npos) << lapras.out;
  EXPECT_NE(lapras.out.find("\nHGSS HM5 - Whirlpool\n"), std::string::npos) << lapras.out;
  for (const char* version : {"HeartGold", "soulsilver"}) {
    const TextRun run = RunFaunaryText({"25", "--page", "Locations", "--version", version});
    EXPECT_EQ(run.status, 0) << version << run.err;
    EXPECT_NE(run.out.find("\nViridian Forest "), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("Power Plant"), std::string::npos) << run.out;
  }
  // The other version is listed with no row there.
  const std::tuple<const char*, const char*, bool> exclusives[] = {
      {"growlithe", "HeartGold", true}, {"growlithe", "SoulSilver", false},
      {"vulpix", "SoulSilver", true},   {"vulpix", "HeartGold", false}};
  for (const auto& [pokemon, version, met] : exclusives) {
    const TextRun run = RunFaunaryText({pokemon, "--page", "Locations", "--version", version});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("\nRoute 36 ") != std::string::npos, met) << pokemon << " " << version << run.out;
  }
  // A version not listed names those that are, the three new ones last.
  const TextRun unknown = RunFaunaryText({"25", "--page", "Locations", "--version", "Stadium"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("lists: Red, Blue, Yellow, "), std::string::npos) << unknown.err;
  EXPECT_NE(unknown.err.find("Pearl, Platinum, HeartGold, SoulSilver\n"), std::string::npos) << unknown.err;
  const TextRun program = RunFaunaryText({"--version"});
  EXPECT_EQ(program.status, 0);
  EXPECT_TRUE(program.out.starts_with("faunary-text ")) << program.out;
  EXPECT_EQ(RunFaunaryText({"25", "--version", "Red"}).status, 3);
}

// The program's one message box comes first, then where it looked for the data.
TEST_F(FaunaryText, WithoutDataItSaysWhereItLooked) {
  dir.Remove("data");
  dir.Remove("faunary.dat");
  const TextRun run = RunFaunaryText({"1"});
  EXPECT_EQ(run.status, 4);
  EXPECT_NE(run.out.find("No Pokemon data was found"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Invalid Pokemon"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("first time"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("no Pokemon data found"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(dir.path().string()), std::string::npos) << run.err;
}

}  // namespace
