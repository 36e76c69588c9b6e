// The five calculators against the plain models of calc_model.h: the stat
// formulas over all their inputs, and every Pokemon of the data set through
// the dialogs themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "calc/catch_value.h"
#include "calc/stat_formulas.h"
#include "calc_app.h"
#include "calc_model.h"

namespace {

const char* const kStatNames[] = {"HP", "Attack", "Defense", "Speed", "Special Attack", "Special Defense"};
const char* const kStatuses[] = {"Normal", "Burn", "Poison", "Paralyze", "Freeze", "Sleep"};
const int kStatusTenths[] = {10, 15, 15, 15, 20, 20};
const char* const kBalls[] = {"Pokeball",    "Great Ball",   "Ultra Ball",     "Master Ball", "Heavy Ball",   "Fast Ball",
                              "Level Ball",  "Lure Ball",    "Love Ball",      "Friend Ball", "Moon Ball",    "Park Ball",
                              "Dive Ball",   "Luxury Ball",  "Nest Ball",      "Net Ball",    "Premier Ball", "Repeat Ball",
                              "Timer Ball",  "Heal Ball",    "Cherish Ball",   "Park Ball (DP)", "Dusk Ball", "Quick Ball"};

TEST(StatFormulas, MatchTheGamesForEveryLevelValueAndEffort) {
  for (const int base : {1, 45, 255})
    for (const bool hp : {false, true})
      for (int level = 1; level <= 100; ++level) {
        for (int dv = 0; dv <= 15; ++dv)
          for (int exp = 0; exp <= 63; ++exp)
            ASSERT_EQ(CalcStatGen12(base, level, dv, exp, hp), model::StatGen12(base, level, dv, exp, hp))
                << base << " " << level << " " << dv << " " << exp << " " << hp;
        for (int iv = 0; iv <= 31; ++iv)
          for (int effort = 0; effort <= 255; effort += iv == 0 || iv == 31 ? 1 : 5)
            for (int personality = 0; personality <= 2; ++personality)
              ASSERT_EQ(CalcStatGen34(base, level, iv, effort, hp, personality),
                        model::StatGen34(base, level, iv, effort, hp, personality))
                  << base << " " << level << " " << iv << " " << effort << " " << hp << " " << personality;
      }
}

// Every shake value the formula can meet, up to the certain catches.
TEST(CatchChance, MatchesTheFourShakeChecksForEveryValue) {
  for (int a = -1; a <= 300; ++a) ASSERT_EQ(CatchChance(a), model::ChancePermille(a)) << a;
}

TEST(StatsDialogs, ShowTheModelsValueForEveryPokemonAndStat) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  std::mt19937 random(13);
  const char* const natures[] = {"Neutral", "Hindering", "Helping"};  // 0, 1, 2
  for (const model::Mon& mon : model::kMons) {
    app.PickPokemon(mon.name);
    for (const bool gen34 : {false, true})
      app.Calculate(gen34 ? kStatsGen34Button : kStatsGen12Button, [&](memtk::Dialog& d) {
        EXPECT_EQ(d.Text(kStatsHeading), std::string(mon.name) + (gen34 ? " stat calculator" : " Stat Calculator"));
        EXPECT_EQ(d.Text(kStatsValueLabel) + d.Text(kStatsEffortLabel), gen34 ? "IV:EV:" : "DV: Stat Exp Level: ");
        if (gen34) {
          EXPECT_EQ(d.Text(kStatsNatureLabel), "Nature:");
        }
        for (int k = 0; k < 6; ++k)
          for (int round = 0; round < 8; ++round) {
            // First level 99 with the most effort, where the order of the steps shows.
            const int level = round == 0 ? 99 : 1 + model::Pick(random, 100);
            const int value = model::Pick(random, gen34 ? 32 : 16), personality = model::Pick(random, 3);
            const int effort = round == 0 ? (gen34 ? 255 : 63) : model::Pick(random, gen34 ? 256 : 64);
            d.Select(kStatsStatList, kStatNames[k]);
            d.Select(kStatsLevelList, std::to_string(level));
            d.Select(kStatsValueList, std::to_string(value));
            d.Select(kStatsEffortList, std::to_string(effort));
            if (gen34) d.Select(kStatsNatureList, natures[personality]);
            d.Click(kStatsCalculate);
            const int stat = gen34 ? model::StatGen34(mon.stats[k], level, value, effort, k == 0, personality)
                                   : model::StatGen12(mon.stats[k], level, value, effort, k == 0);
            ASSERT_EQ(d.Text(kStatsResult), "Stat: " + std::to_string(stat))
                << mon.name << " " << kStatNames[k] << " " << level << " " << value << " " << effort << " "
                << personality << " " << gen34;
          }
      });
  }
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST(CatchDialog, ShowsTheModelsLineForEveryPokemonBallAndStatus) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  for (const model::Mon& mon : model::kMons) {
    app.PickPokemon(mon.name);
    app.Calculate(kCatchButton, [&](memtk::Dialog& d) {
      EXPECT_EQ(d.Text(kCatchHeading), std::string(mon.name) + " Catch Chance");
      EXPECT_EQ(d.SelectedText(kCatchStatusList), "Normal");
      // Every level with every HP entry, the ball and status turning with them.
      for (int level = 1; level <= 100; ++level)
        for (int percent = 1; percent <= 100; ++percent) {
          const char* ball = kBalls[static_cast<std::size_t>(7 * level + percent) % std::size(kBalls)];
          const int status = (level / 3 + percent) % 6;
          // The wild Pokemon's HP: IV 31, no EVs, never below 1.
          const int maximum = model::StatGen34(mon.stats[0], level, 31, 0, true, 0);
          const model::CatchCase c{level,    maximum,        std::max(percent * maximum / 100, 1),
                                   kStatusTenths[status], mon.rate, mon.stats[3], mon.heavy, mon.type1,
                                   mon.type2, mon.gender, std::atoi(mon.id)};
          d.Select(kCatchLevelList, std::to_string(level));
          d.Select(kCatchHpList, std::to_string(percent) + "%");
          d.Select(kCatchStatusList, kStatuses[status]);
          d.Select(kCatchBallList, ball);
          d.Click(kCatchCalculate);
          ASSERT_EQ(d.Text(kCatchResult), model::CatchText(ball, c)) << mon.name << " " << ball << " " << kStatuses[status]
                                                           << " level " << level << " " << percent << "%";
        }
    });
  }
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST(ExperienceDialogs, ShowTheModelsValueAtEveryLevel) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  for (const model::Mon& mon : model::kMons) {
    app.PickPokemon(mon.name);
    app.Calculate(kExpGainedButton, [&](memtk::Dialog& d) {
      EXPECT_EQ(d.Text(kGainedHeading), std::string("Experience gained by defeating ") + mon.name);
      EXPECT_EQ(d.Text(kGainedResult), "Experience Gained: ");
      for (const bool trainer : {false, true}) {
        if (trainer) d.Click(kGainedTrainerBattle);
        for (int level = 1; level <= 100; ++level) {
          d.Select(kGainedLevelList, std::to_string(level));
          d.Click(kGainedCalculate);
          const int gained = model::ExpGained(mon.yield, level, trainer);
          ASSERT_EQ(d.Text(kGainedResult), "Experience gained: " + std::to_string(gained)) << mon.name << " " << level;
        }
      }
    });
    if (mon.growth == 0) continue;
    app.Calculate(kExpNeededButton, [&](memtk::Dialog& d) {
      for (int level = 2; level <= 100; ++level) {
        d.Select(kNeededLevelList, std::to_string(level));
        d.Click(kNeededCalculate);
        ASSERT_EQ(d.Text(kNeededResult), "Experience needed: " + std::to_string(model::Experience(mon.growth, level)))
            << mon.name << " " << level;
      }
    });
  }
  EXPECT_TRUE(app.MessageBoxes().empty());
}

}  // namespace
