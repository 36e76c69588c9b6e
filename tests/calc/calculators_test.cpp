// The five calculators against the plain models of calc_model.h: the bulk of
// the inputs through the formulas the dialogs call, every Pokemon of the data
// set through the dialogs themselves.
#include <gtest/gtest.h>

#include <random>

#include "calc/catch_rules.h"
#include "calc/stat_formulas.h"
#include "calc_app.h"
#include "calc_model.h"
#include "shell/shell_state.h"

namespace {

const char* const kStatNames[] = {"HP", "Attack", "Defense", "Speed", "Special Attack", "Special Defense"};
const char* const kStatuses[] = {"Normal", "Burn", "Poison", "Paralyze", "Freeze", "Sleep"};
const int kBonus[] = {0, 5, 5, 5, 10, 10};
const std::pair<const char*, int> kBalls[] = {
    {"Pokeball", 0},     {"Great Ball", 1},  {"Ultra Ball", 2},     {"Master Ball", 3}, {"Heavy Ball", 4},
    {"Fast Ball", 5},    {"Level Ball", 6},  {"Lure Ball", 7},      {"Love Ball", 8},   {"Friend Ball", 0},
    {"Moon Ball", 0},    {"Park Ball", 1},   {"Dive Ball", 9},      {"Luxury Ball", 0}, {"Nest Ball", 6},
    {"Net Ball", 10},    {"Premier Ball", 0}, {"Repeat Ball", 11},  {"Timer Ball", 12}, {"Heal Ball", 0},
    {"Cherish Ball", 0}, {"Park Ball (DP)", 3}, {"Dusk Ball", 13},  {"Quick Ball", 14}};

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

TEST(StatsDialogs, ShowTheModelsValueForEveryPokemonAndStat) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  std::mt19937 random(13);
  const char* const personalities[] = {"Neutral", "Hindering", "Helping"};  // 0, 1, 2
  for (const model::Mon& mon : model::kMons) {
    app.PickPokemon(mon.name);
    app.Calculate(kStatsGen12Button, [&](memtk::Dialog& d) {
      EXPECT_EQ(d.Text(240), std::string(mon.name) + " Stat Calculator");
      for (int k = 0; k < 6; ++k)
        for (int round = 0; round < 8; ++round) {
          const int level = round == 0 ? 99 : 1 + model::Pick(random, 100), dv = model::Pick(random, 16), exp = model::Pick(random, 64);
          d.Select(242, kStatNames[k]);
          d.Select(245, std::to_string(level));
          d.Select(247, std::to_string(dv));
          d.Select(249, std::to_string(exp));
          d.Click(243);
          ASSERT_EQ(d.Text(250), "Stat: " + std::to_string(model::StatGen12(mon.stats[k], level, dv, exp, k == 0)))
              << mon.name << " " << kStatNames[k] << " " << level << " " << dv << " " << exp;
        }
    });
    app.Calculate(kStatsGen34Button, [&](memtk::Dialog& d) {
      EXPECT_EQ(d.Text(240), std::string(mon.name) + " stat calculator");
      for (int k = 0; k < 6; ++k)
        for (int round = 0; round < 8; ++round) {
          const int level = round == 0 ? 99 : 1 + model::Pick(random, 100), iv = model::Pick(random, 32);
          const int effort = round == 0 ? 255 : model::Pick(random, 256), personality = model::Pick(random, 3);
          d.Select(242, kStatNames[k]);
          d.Select(245, std::to_string(level));
          d.Select(247, std::to_string(iv));
          d.Select(252, personalities[personality]);
          d.Select(249, std::to_string(effort));
          d.Click(243);
          ASSERT_EQ(d.Text(250), "Stat: " + std::to_string(model::StatGen34(mon.stats[k], level, iv, effort, k == 0,
                                                                             personality)))
              << mon.name << " " << kStatNames[k] << " " << level << " " << iv << " " << effort << " "
              << personality;
        }
    });
  }
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST(CatchRules, MatchTheModelForEveryBallStatusHpTypePairAndWeightClass) {
  for (int rule = 0; rule <= 14; ++rule)
    for (const int maximum : {1, 15, 32, 211, 400})
      for (int percent = 1; percent <= 100; ++percent)
        for (const int bonus : {0, 5, 10})
          for (const int rate : {3, 25, 45, 255}) {
            model::CatchCase c{percent, maximum, percent * maximum / 100, bonus, rate, false, 1, 0, 0};
            for (c.heavy = 0; c.heavy <= (rule == 4 ? 6 : 0); ++c.heavy)
              for (c.fast = false;; c.fast = true) {
                for (c.type1 = 0; c.type1 <= (rule == 10 && bonus == 0 ? 18 : 0); ++c.type1)
                  for (c.type2 = 0; c.type2 <= (rule == 10 && bonus == 0 ? 18 : 0); ++c.type2) {
                    const CatchInputs in{c.level, c.maximum, c.current, c.bonus, c.rate,
                                         c.fast,  c.heavy,   c.type1,   c.type2};
                    ASSERT_EQ(CatchResultText(rule, in), model::CatchText(rule, c))
                        << "rule " << rule << " max " << maximum << " current " << c.current << " bonus " << bonus
                        << " rate " << rate << " heavy " << c.heavy << " fast " << c.fast << " types " << c.type1
                        << "/" << c.type2;
                  }
                if (c.fast || rule != 5) break;
              }
          }
  EXPECT_EQ(CatchResultText(15, {}), std::nullopt);
}

TEST(CatchDialog, ShowsTheModelsLineForEveryPokemonBallAndStatus) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  const std::pair<int, int> level_hp[] = {{1, 100}, {3, 67}, {10, 1}, {50, 50}, {77, 33}, {100, 99}};
  int round = 0;
  for (const model::Mon& mon : model::kMons) {
    app.PickPokemon(mon.name);
    app.Calculate(kCatchButton, [&](memtk::Dialog& d) {
      EXPECT_EQ(d.Text(260), std::string(mon.name) + " Catch Chance");
      EXPECT_EQ(d.SelectedText(266), "Normal");
      for (const auto& [ball, rule] : kBalls)
        for (int status = 0; status < 6; ++status) {
          const auto [level, percent] = level_hp[round++ % 6];
          const int maximum = model::StatGen12(mon.stats[0], level, 15, 0, true);
          const model::CatchCase c{level, maximum, percent * maximum / 100, kBonus[status], mon.rate, mon.fast,
                                   mon.heavy, mon.type1, mon.type2};
          d.Select(261, std::to_string(level));
          d.Select(264, std::to_string(percent) + "%");
          d.Select(266, kStatuses[status]);
          d.Select(268, ball);
          d.Click(270);
          ASSERT_EQ(d.Text(269), model::CatchText(rule, c)) << mon.name << " " << ball << " " << kStatuses[status]
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
      EXPECT_EQ(d.Text(281), std::string("Experience gained by defeating ") + mon.name);
      EXPECT_EQ(d.Text(285), "Experience Gained: ");
      for (const bool trainer : {false, true}) {
        if (trainer) d.Click(284);
        for (int level = 1; level <= 100; ++level) {
          d.Select(283, std::to_string(level));
          d.Click(280);
          const int gained = trainer ? level * mon.yield * 3 / 14 : level * mon.yield / 7;
          ASSERT_EQ(d.Text(285), "Experience gained: " + std::to_string(gained)) << mon.name << " " << level;
        }
      }
    });
    if (mon.growth == 0) continue;
    app.Calculate(kExpNeededButton, [&](memtk::Dialog& d) {
      for (int level = 2; level <= 100; ++level) {
        d.Select(292, std::to_string(level));
        d.Click(294);
        ASSERT_EQ(d.Text(293), "Experience needed: " + std::to_string(model::Experience(mon.growth, level)))
            << mon.name << " " << level;
      }
    });
  }
  EXPECT_TRUE(app.MessageBoxes().empty());
}

}  // namespace
