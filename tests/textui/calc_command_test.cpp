// faunary-text --calc on the committed data set, as a user scripting the
// calculators would run it: values worked out by hand from the games' routines.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_workdir.h"
#include "textui/text_program.h"

namespace {

class CalcCommand : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(std::filesystem::path(FAUNARY_REPO_DIR) / "faunary.dat", "faunary.dat");
    dir.Write("faunary.cfgx",
              "<?xml version=\"1.0\" ?>\n<options version=\"4\">\n    <crtronload>0</crtronload>\n"
              "    <crtrloadpick>1</crtrloadpick>\n    <pageonload>1</pageonload>\n"
              "    <pageloadpick>0</pageloadpick>\n    <autoupdate>0</autoupdate>\n</options>\n");
  }
  TempWorkdir dir;
};

// Each value by hand: stats from Red's CalcStat and FireRed's CALC_STAT, experience from Crystal's BoostExp,
// catches from HeartGold's BattleSystem_CalculateBallShakes, e.g. Bulbasaur (rate 45) at full HP in a Poke Ball:
// a = 45 / 3 = 15, b = 1048560 / isqrt(isqrt(16711680 / 15)) = 1048560 / 32 = 32767, (b / 65536)^4 = 6.2%.
TEST_F(CalcCommand, PrintsTheGamesOwnNumbers) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"25", "--calc", "stats34", "--stat", "speed", "--level", "50", "--iv", "31", "--ev", "4", "--nature",
        "neutral"},
       "Stat: 111\n"},
      {{"1", "--calc", "stats34", "--stat", "HP", "--level", "100", "--iv", "0", "--ev", "0", "--nature",
        "hindering"},
       "Stat: 200\n"},  // no nature on HP
      {{"1", "--calc", "stats12", "--stat", "hp", "--level", "5", "--dv", "15", "--statexp", "0"}, "Stat: 21\n"},
      {{"bulbasaur", "--calc", "exp-gained", "--level", "5"}, "Experience gained: 45\nExperience gained: 67\n"},
      {{"1", "--calc", "exp-needed", "--level", "1"}, "Message box \"Boo!\": Please select a level\nExperience needed: \n"},
      {{"1", "--calc", "catch", "--level", "1", "--hp", "100", "--ball", "Pokeball"}, "6.2%\n"},
      {{"1", "--calc", "catch", "--level", "100", "--hp", "100%", "--status", "normal", "--ball", "pokeball"},
       "6.2%\n"},
      {{"25", "--calc", "catch", "--level", "10", "--hp", "100", "--ball", "Pokeball"}, "27.9%\n"},  // a = 63
      {{"1", "--calc", "catch", "--level", "10", "--hp", "100", "--ball", "Level Ball"},
       "Your level is 44 or higher: 33.6%; else, your level is 22 or higher: 27.9%; else, your level is 11 or "
       "higher: 12.3%; else 6.2%\n"},
      {{"173", "--calc", "catch", "--level", "5", "--hp", "100", "--ball", "Moon Ball"}, "33.6%\n"},  // Cleffa's family
      {{"143", "--calc", "catch", "--level", "30", "--hp", "100", "--ball", "Heavy Ball"}, "9.2%\n"},  // 25 + 40
      {{"150", "--calc", "catch", "--level", "70", "--hp", "100", "--ball", "Heavy Ball"}, "0.0%\n"},  // 3 - 20 -> 1
      {{"150", "--calc", "catch", "--level", "70", "--hp", "1", "--status", "sleep", "--ball", "master ball"},
       "Pokemon is always caught\n"},
  };
  for (const auto& [args, out] : cases) {
    const TextRun run = RunFaunaryText(args);
    EXPECT_EQ(run.status, 0) << args[2];
    EXPECT_EQ(run.out, out) << args[0];
    EXPECT_EQ(run.err, "");
  }
}

TEST_F(CalcCommand, AChoiceTheDialogDoesNotOfferExits3NamingWhatItAccepts) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"1", "--calc", "stats34", "--stat", "special", "--level", "5", "--iv", "1", "--ev", "1", "--nature", "neutral"},
       "faunary-text: --stat special is not offered by the dialog; it accepts hp, attack, defense, speed, spatk or "
       "spdef\n"},
      {{"1", "--calc", "stats34", "--stat", "hp", "--level", "5", "--iv", "1", "--ev", "256", "--nature", "neutral"},
       "faunary-text: --ev 256 is not offered by the dialog; it accepts 0 to 255\n"},
      {{"1", "--calc", "stats12", "--stat", "hp", "--level", "5", "--dv", "16", "--statexp", "0"},
       "faunary-text: --dv 16 is not offered by the dialog; it accepts 0 to 15\n"},
      {{"1", "--calc", "catch", "--level", "5", "--hp", "0", "--ball", "Pokeball"},
       "faunary-text: --hp 0 is not offered by the dialog; it accepts 1 to 100\n"},
      {{"1", "--calc", "stats12", "--stat", "hp", "--level", "5"}, "faunary-text: --calc stats12 needs --dv and --statexp\n"},
      {{"1", "--calc", "exp-needed", "--level", "5", "--iv", "3"}, "faunary-text: --iv does not apply to --calc exp-needed\n"},
      {{"1", "--calc", "stats"}, "faunary-text: there is no calculator \"stats\"; --calc takes stats12, stats34, "
                                 "catch, exp-gained or exp-needed\n"},
  };
  for (const auto& [args, err] : cases) {
    const TextRun run = RunFaunaryText(args);
    EXPECT_EQ(run.status, 3) << err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.substr(0, err.size()), err);
  }
  EXPECT_NE(RunFaunaryText({"--help"}).out.find("exp-gained --level L"), std::string::npos);
}

}  // namespace
