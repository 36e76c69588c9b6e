// Runs the faunary-text program itself in a working directory holding the
// pages fixture data set, as a user would from a shell.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_workdir.h"

namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& arg) {
  std::string quoted = "'";
  for (const char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class FaunaryText : public testing::Test {
 protected:
  Outcome Start(const std::vector<std::string>& args) {
    std::string command = Quoted(FAUNARY_TEXT_PROGRAM);
    for (const std::string& arg : args) command.append(" ").append(Quoted(arg));
    command += " >run.out 2>run.err";
    const int raw = std::system(command.c_str());
    Outcome run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = dir.Read("run.out");
    run.err = dir.Read("run.err");
    dir.Remove("run.out");
    dir.Remove("run.err");
    return run;
  }
  void WriteSettings() {
    dir.Write("faunary.cfgx", kSettings);
  }

  static constexpr const char* kSettings =
      "<?xml version=\"1.0\" ?>\n<options version=\"4\">\n    <crtronload>1</crtronload>\n"
      "    <crtrloadpick>152</crtrloadpick>\n    <pageonload>1</pageonload>\n"
      "    <pageloadpick>11</pageloadpick>\n    <autoupdate>0</autoupdate>\n</options>\n";
  TempWorkdir dir{"pages-basic"};
};

constexpr const char* kTabs =
    "Main | [Attacks] | Pokedex Entries | Breeding | Comparisons | Calculations | RBY TMs | "
    "GSC TMs | RSEFRLG TMs | DP TMs 1 | DP TMs 2 | Locations\n";

TEST_F(FaunaryText, PrintsTheAttacksPageOfPokemon1) {
  WriteSettings();
  const Outcome run = Start({"1", "--page", "Attacks"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            std::string("Bulbasaur (entry 1 of 10)\n"
                        "Move                   RB lvl  Y lvl   GS lvl  C lvl    RS lvl  FRLG lvl  XD lvl  DP lvl\n"
                        "---------------------  ------  ------  ------  -------  ------  --------  ------  ------\n"
                        "[Normal] Tackle        Always  Always  Always  Always   Always  Always    Always  Always\n"
                        "[Grass] Vine Whip      13      13      10      10       10      10        ---     9\n"
                        "[Poison] PoisonPowder  20      20      15      15       15      15        XD      15\n"
                        "[Grass] Sleep Powder   41      41      15      15       15      15        ---     15\n"
                        "[Grass] Razor Leaf     27      27      20      20       20      20        ---     27\n"
                        "[Grass] Giga Drain     ---     ---     ---     ---      ---     ---       Purify  ---\n"
                        "[Fire] Ember           Evol    Gift    Gift    Stadium  Event   7         100     108\n"
                        "[Water] Bubble         -5      2       ---     ---      ---     ---       ---     ---\n"
                        "<About>\n"
                        "<Options>\n") +
                kTabs);
  EXPECT_EQ(dir.Read("faunary.cfgx"), kSettings);  // read, never written
}

struct PageCase {
  std::vector<std::string> args;
  std::string page_text;  // what lies between the Pokemon list line and the buttons
};
void PrintTo(const PageCase& p, std::ostream* os) { for (const auto& a : p.args) *os << a << " "; }

class FaunaryTextPage : public FaunaryText, public testing::WithParamInterface<PageCase> {};

TEST_P(FaunaryTextPage, PrintsThePageOfThePokemonNamedInAnyCase) {
  WriteSettings();
  const Outcome run = Start(GetParam().args);
  EXPECT_EQ(run.status, 0) << run.err;
  const std::size_t first_line = run.out.find('\n') + 1;
  const std::size_t buttons = run.out.find("<About>\n");
  ASSERT_NE(buttons, std::string::npos) << run.out;
  EXPECT_EQ(run.out.substr(first_line, buttons - first_line), GetParam().page_text);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, FaunaryTextPage,
    testing::Values(
        PageCase{{"--page", "pokedex entries", "TURTWIG"},
                 "Green: Not available\nRed: Not available\nYellow: Not available\n"
                 "Stadium 1: Not available\nGold: Not available\nSilver: Not available\n"
                 "Crystal: Not available\nRuby: Not available\nSapphire: Not available\n"
                 "FireRed: Not available\nLeafGreen: Not available\nEmerald: Not available\n"
                 "Diamond: Fixture Turtwig Diamond.\nPearl: Fixture Turtwig Pearl.\n"},
        PageCase{{"caterpie", "--page=Breeding"},
                 "Breeding group: Bug\n"
                 "Caterpie breeds with: Caterpie, Ditto\n"
                 "Move name  How to get the move\n"
                 "---------  ------------------------------------\n"
                 "[???]      Fixture way: a move the table lacks.\n"
                 "Generation 4 [v]\n"},
        PageCase{{"252", "--page", "LOCATIONS"},
                 "Version\n"
                 "Ruby [v]\n"
                 "Location   Levels  Time  Chance\n"
                 "---------  ------  ----  ------\n"
                 "Route 101  5             100%\n"}));

TEST_F(FaunaryText, WithoutAPokemonShowsTheStartPokemonOnMain) {
  WriteSettings();  // start Pokemon 152, last page Locations: the page asked for wins
  const Outcome run = Start({});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "Chikorita (entry 4 of 10)");
  EXPECT_NE(run.out.find("\nChikorita\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("[Main] | Attacks"), std::string::npos);
  EXPECT_EQ(dir.Read("faunary.cfgx"), kSettings);
}

TEST_F(FaunaryText, AllPrintsEveryTabInOrder) {
  WriteSettings();
  const Outcome run = Start({"--all", "glitch"});
  EXPECT_EQ(run.status, 0);
  std::vector<std::string> headings;
  std::size_t at = 0;
  while ((at = run.out.find("=== ", at)) != std::string::npos) {
    const std::size_t end = run.out.find(" ===\n", at);
    headings.push_back(run.out.substr(at + 4, end - at - 4));
    at = end;
  }
  EXPECT_EQ(headings, (std::vector<std::string>{"Main", "Attacks", "Pokedex Entries", "Breeding",
                                                "Comparisons", "Calculations", "RBY TMs",
                                                "GSC TMs", "RSEFRLG TMs", "DP TMs 1", "DP TMs 2",
                                                "Locations"}));
  // The start page is Locations: choosing the Pokemon raises its message
  // before any page; the Locations page raises it again when it is shown.
  const std::string message = "Message box \"Draw Loc Page 1\": Unknown starting version\n";
  EXPECT_EQ(run.out.find(message), 0u);
  const std::size_t locations = run.out.find("=== Locations ===\n");
  EXPECT_EQ(run.out.find(message, message.size()), locations + 18);
  EXPECT_EQ(dir.Read("faunary.cfgx"), kSettings);
}

TEST_F(FaunaryText, FirstRunShowsTheFirstRunMessageAndWritesNoSettings) {
  const Outcome run = Start({"1"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Message box \"Faunary\": We have detected", 0), 0u) << run.out;
  EXPECT_FALSE(dir.Exists("faunary.cfgx"));
}

struct FailureCase {
  std::vector<std::string> args;
  int status;
  std::string err_start;
};
void PrintTo(const FailureCase& f, std::ostream* os) { for (const auto& a : f.args) *os << a << " "; }

class FaunaryTextFailure : public FaunaryText, public testing::WithParamInterface<FailureCase> {};

TEST_P(FaunaryTextFailure, ExitsWithAClearMessage) {
  WriteSettings();
  const Outcome run = Start(GetParam().args);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.substr(0, GetParam().err_start.size()), GetParam().err_start) << run.err;
  EXPECT_EQ(dir.Read("faunary.cfgx"), kSettings);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, FaunaryTextFailure,
    testing::Values(
        FailureCase{{"Missingno"}, 1,
                    "faunary-text: there is no Pokemon with the id or name \"Missingno\"\n"},
        FailureCase{{"1", "--page", "Pokedex"}, 2, "faunary-text: there is no tab \"Pokedex\""},
        FailureCase{{"1", "--page"}, 3, "faunary-text: --page needs a tab name\nUsage:"},
        FailureCase{{"1", "--colour"}, 3, "faunary-text: unknown option --colour\n"},
        FailureCase{{"1", "2"}, 3, "faunary-text: only one Pokemon can be shown"}));

TEST_F(FaunaryText, ReadsTheArchiveWhenThereIsNoDataFolder) {
  WriteSettings();
  const Outcome from_files = Start({"bulbasaur", "--all"});
  std::string archive;
  for (const auto& file : std::filesystem::directory_iterator(dir.path() / "data")) {
    const std::string name = "data/" + file.path().filename().string();
    archive += ArchiveRecord(name, dir.Read(name));
  }
  dir.Remove("data");
  dir.Write("faunary.dat", archive);
  const Outcome from_archive = Start({"bulbasaur", "--all"});
  EXPECT_EQ(from_archive.status, 0);
  EXPECT_EQ(from_archive.out, from_files.out);
  EXPECT_NE(from_archive.out.find("[Grass] Vine Whip"), std::string::npos);
}

TEST_F(FaunaryText, HelpExplainsTheUsage) {
  const Outcome run = Start({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Usage: faunary-text [POKEMON] [--page TAB | --all]\n", 0), 0u);
  EXPECT_NE(run.out.find("--all"), std::string::npos);
  EXPECT_FALSE(dir.Exists("faunary.cfgx"));
}

}  // namespace
