#include <gtest/gtest.h>

#include "pages/page_view.h"
#include "port/dialog_ids.h"

namespace {

// The rows' level codes are shown by the text front end's run of the same page, their type
// images by the Wine sessions. In the details, chances on the 0-255 scale show as the games' whole
// per cents (pokecrystal's `percent` macro stores p% as p * 255 / 100: 90% is 229, 10% is 25;
// older data sets rounded up: 30% as 76); the same contest effect can show twice.
TEST(MovePage, EachRowOpensItsMove) {
  FaunaryFixture app{"pages-basic"};
  OpenPage(app, "Attacks");
  const std::pair<int, std::vector<std::pair<int, std::string>>> cases[] = {
      {5,
       {{0, "Giga Drain"}, {kMoveName, "Giga Drain"}, {kMoveType, "Type: Grass"},
        {kMoveAttackType, "Attack Type: Special"}, {kMovePower, "Power: 60"}, {kMovePp, "PP: 5"},
        {kMoveAccuracy, "Accuracy: 100%"}, {kMoveAffected, "Number affected: 1"},
        {kMoveEffectChance, "Effect accuracy: 10%"}, {kMoveEffect, "Fixture effect: drains half."},
        {kMoveContestType, "Contest Type: Smart"}, {kMoveAppeal, "Appeal: 2"}, {kMoveJam, "Jam: 0"},
        {kMoveContestEffect, "Fixture contest: jams the others."}, {kMoveSuperAppeal, "Super Contest Appeal: 2"},
        {kMoveSuperEffect, "Fixture contest: jams the others."}, {1, "Done"}}},
      {4, {{0, "Razor Leaf"}, {kMoveAccuracy, "Accuracy: 90%"}, {kMoveEffectChance, "Effect accuracy: 0%"},
           {kMoveEffect, "Plain damage."}}},
      {0, {{0, "Tackle"}, {kMoveAccuracy, "Accuracy: 95%"}}}};
  for (const auto& [row, texts] : cases) {
    const auto& expected = texts;  // Clang 14 lets no lambda capture a structured binding
    std::vector<std::pair<int, std::string>> shown;
    app.OnNextDialog([&](memtk::Dialog& d) {
      for (const auto& [id, text] : expected) shown.emplace_back(id, id == 0 ? d.Title() : d.Text(id));
      d.Click(IDOK);
      EXPECT_TRUE(d.Ended() && d.Result() == 1);
    });
    app.DoubleClickRow(kMoveListId, row);
    EXPECT_EQ(shown, expected);
  }
  EXPECT_TRUE(app.MessageBoxes().empty());
  app.PickPokemon("Ivysaur");  // no level-up moves at all
  EXPECT_TRUE(RowTexts(kMoveListId).empty());
}

}  // namespace
