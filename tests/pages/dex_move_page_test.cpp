#include <gtest/gtest.h>

#include "pages/page_view.h"
#include "port/dialog_ids.h"

namespace {

// The rows' level codes are shown by the text front end's run of the same page, their type
// images by the Wine sessions. In the details, accuracy 255 is 100% and 229 keeps six digits; effect chance 25 is 9%;
// the same contest effect can show twice.
TEST(MovePage, EachRowOpensItsMove) {
  FaunaryFixture app{"pages-basic"};
  OpenPage(app, "Attacks");
  const std::pair<int, std::vector<std::pair<int, std::string>>> cases[] = {
      {5,
       {{0, "Giga Drain"}, {kMoveName, "Giga Drain"}, {kMoveType, "Type: Grass"}, {kMoveAttackType, "Attack Type: Special"},
        {kMovePower, "Power: 60"}, {kMovePp, "PP: 5"}, {kMoveAccuracy, "Accuracy: 100%"}, {kMoveAffected, "Number affected: 1"},
        {kMoveEffectChance, "Effect accuracy: 9%"}, {kMoveEffect, "Fixture effect: drains half."}, {kMoveContestType, "Contest Type: Smart"},
        {kMoveAppeal, "Appeal: 2"}, {kMoveJam, "Jam: 0"}, {kMoveContestEffect, "Fixture contest: jams the others."},
        {kMoveSuperAppeal, "Super Contest Appeal: 2"}, {kMoveSuperEffect, "Fixture contest: jams the others."}, {1, "Done"}}},
      {4, {{0, "Razor Leaf"}, {kMoveAccuracy, "Accuracy: 89.8039%"}, {kMoveEffectChance, "Effect accuracy: 0%"}, {kMoveEffect, "Plain damage."}}}};
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
