// The Find and Matchups dialogs on the committed data set, as a player uses
// them: pick a question and an answer, read the list, double-click a Pokemon.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "dataset/committed_data_fixture.h"
#include "port/dialog_ids.h"
#include "support/faunary_fixture.h"

namespace {

using AskDialogs = CommittedDataSet;

// Each list row as its cells joined by " | ".
std::vector<std::string> Rows(const memtk::Dialog& dialog, int list_id) {
  std::vector<std::string> rows;
  for (const memtk::ListRow& row : dialog.ControlOf(list_id).rows) {
    std::string line;
    for (std::size_t c = 0; c < row.texts.size(); ++c) line += (c ? " | " : "") + row.texts[c];
    rows.push_back(line);
  }
  return rows;
}

// The Pokemon names (second cell) of the Find dialog's results.
std::vector<std::string> Names(const memtk::Dialog& dialog) {
  std::vector<std::string> names;
  for (const memtk::ListRow& row : dialog.ControlOf(kFindResults).rows) names.push_back(row.texts.at(1));
  return names;
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Red's type chart (pokered's TypeEffects); generation 4's rows are faunary-text's test.
TEST_F(AskDialogs, MatchupsFollowTheGenerationChosen) {
  app.PickPokemon("Gengar");
  std::vector<std::string> seen1, seen4;
  std::string generations;
  app.OnNextDialog([&](memtk::Dialog& d) {
    for (const std::string& g : d.Entries(kMatchupsGenerationList)) generations += g;
    seen4 = Rows(d, kMatchupsList);
    seen4.insert(seen4.begin(), d.Text(kMatchupsTitle));
    d.Select(kMatchupsGenerationList, "1");
    seen1 = Rows(d, kMatchupsList);
    seen1.insert(seen1.begin(), d.Text(kMatchupsTitle).substr(3));
    d.Click(IDOK);
  });
  app.Click(kMatchupsButtonId);
  EXPECT_EQ(generations, "1234");
  EXPECT_EQ(seen1, (std::vector<std::string>{"Gengar (Ghost/Poison), generation 1", " | x2 | Ground, Psychic, Ghost",
                                             " | x1/2 | Grass", " | x1/4 | Poison", " | x0 | Normal, Fighting"}));
  ASSERT_FALSE(seen4.empty());
  EXPECT_EQ(seen4[0], "94 Gengar (Ghost/Poison), generation 4");
  EXPECT_EQ(seen4[1], " | x2 | Ground, Psychic, Ghost, Dark");
  EXPECT_TRUE(std::any_of(seen4.begin(), seen4.end(), [](const std::string& r) {
    return r.rfind("with Levitate |  | Ground x0 (was x2)", 0) == 0;
  })) << testing::PrintToString(seen4);
}

TEST_F(AskDialogs, FindAnswersEachQuestionAndShowsThePokemonDoubleClicked) {
  std::vector<std::string> questions, surf_dp, surf_all, levitate, field, ghost, route32, games;
  std::string count, wooper;
  app.OnNextDialog([&](memtk::Dialog& d) {
    questions = d.Entries(kFindQuestionList);
    games = d.Entries(kFindGameList);
    d.Select(kFindAnswerList, "Surf");
    surf_all = Names(d);
    d.Select(kFindGameList, "DP");
    surf_dp = Names(d);
    count = d.Text(kFindCount);
    d.Select(kFindQuestionList, "has the ability");
    d.Select(kFindAnswerList, "Levitate");
    levitate = Names(d);
    d.Select(kFindQuestionList, "is in the egg group");
    d.Select(kFindAnswerList, "Field");
    field = Names(d);
    d.Select(kFindQuestionList, "has the type");
    d.Select(kFindAnswerList, "Ghost");
    ghost = Names(d);
    d.Select(kFindQuestionList, "lives at");
    d.Select(kFindGameList, "Crystal");
    d.Select(kFindAnswerList, "Route 32");
    route32 = Names(d);
    for (const memtk::ListRow& row : d.ControlOf(kFindResults).rows)
      if (row.texts.at(1) == "Wooper") wooper = row.texts.at(2);
    d.DoubleClickRow(kFindResults, static_cast<int>(std::find(route32.begin(), route32.end(), "Wooper") - route32.begin()));
  });
  app.Click(kFindButtonId);
  EXPECT_EQ(questions, (std::vector<std::string>{"learns the move", "has the ability", "is in the egg group",
                                                  "has the type", "lives at"}));
  EXPECT_EQ(games.front(), "All games");
  // HM03 in Diamond (pokediamond's machine compatibility): Buizel yes, Pikachu no.
  EXPECT_TRUE(Has(surf_dp, "Buizel") && Has(surf_dp, "Lapras") && !Has(surf_dp, "Pikachu"));
  EXPECT_LT(surf_dp.size(), surf_all.size());
  EXPECT_EQ(count, std::to_string(surf_dp.size()) + " Pokemon - double-click one to show it");
  EXPECT_TRUE(Has(levitate, "Gengar") && Has(levitate, "Bronzong"));
  EXPECT_TRUE(Has(field, "Pikachu") && Has(field, "Buizel") && !Has(field, "Gengar"));
  EXPECT_TRUE(Has(ghost, "Misdreavus") && Has(ghost, "Drifloon"));
  // Crystal's Route 32 grass and water (pokecrystal's johto_grass / johto_water); Wooper is the first
  // night slot of its grass table, 30% as every first grass slot.
  for (const char* yes : {"Wooper", "Bellsprout", "Tentacool"}) EXPECT_TRUE(Has(route32, yes)) << yes;
  EXPECT_EQ(wooper, "Crystal  Route 32  4  night  30%");
  EXPECT_EQ(app.SelectedPokemonName(), "Wooper");
  EXPECT_EQ(app.TextOf("crtrnameid"), "Wooper");
  ASSERT_FALSE(memtk::DialogsRun().empty());
  EXPECT_EQ(memtk::DialogsRun().back().template_id, kFindDialogId);
}

}  // namespace
