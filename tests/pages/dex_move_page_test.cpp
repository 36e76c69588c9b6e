#include <gtest/gtest.h>

#include "pages/page_view.h"
#include "shell/shell_state.h"

namespace {

const std::vector<int> kDetailIds{321, 322, 323, 324, 325, 326, 327, 328,
                                  329, 330, 331, 332, 333, 334, 335, 1};

class MovePage : public testing::Test {
 protected:
  void SetUp() override { OpenPage(app, "Attacks"); }
  FaunaryFixture app{"pages-basic"};
};

TEST_F(MovePage, ShowsEachLevelMoveWithItsTypeIconAndLevelCodes) {
  EXPECT_EQ(RowTexts(kMoveListId),
            (Rows{
                {"Tackle", "Always", "Always", "Always", "Always", "Always", "Always", "Always", "Always"},
                {"Vine Whip", "13", "13", "10", "10", "10", "10", "---", "9"},
                {"PoisonPowder", "20", "20", "15", "15", "15", "15", "XD", "15"},
                {"Sleep Powder", "41", "41", "15", "15", "15", "15", "---", "15"},
                {"Razor Leaf", "27", "27", "20", "20", "20", "20", "---", "27"},
                {"Giga Drain", "---", "---", "---", "---", "---", "---", "Purify", "---"},
                {"Ember", "Evol", "Gift", "Gift", "Stadium", "Event", "7", "100", "108"},
                {"Bubble", "-5", "2", "---", "---", "---", "---", "---", "---"},
            }));
  // Type positions: Normal 1, Grass 9, Poison 17, Fire 7, Water 6.
  EXPECT_EQ(RowImages(kMoveListId), (std::vector<int>{1, 9, 17, 9, 9, 9, 7, 6}));
  EXPECT_EQ(RowData(kMoveListId), (std::vector<std::intptr_t>{1, 2, 3, 4, 6, 5, 7, 8}));
}

TEST_F(MovePage, AnotherPokemonReplacesEveryRow) {
  app.PickPokemon("Ditto");
  EXPECT_EQ(RowTexts(kMoveListId),
            (Rows{{"Transform", "Always", "Always", "Always", "Always", "Always", "Always", "Always",
                   "Always"}}));
  app.PickPokemon("Ivysaur");  // no level-up moves at all
  EXPECT_TRUE(RowTexts(kMoveListId).empty());
  EXPECT_EQ(ColumnsOf(kMoveListId).size(), 9u);
}

TEST_F(MovePage, MoveMissingFromTheMoveTableShowsAnEmptyRowThatCannotBeOpened) {
  app.PickPokemon("Caterpie");
  EXPECT_EQ(RowTexts(kMoveListId)[1],
            (std::vector<std::string>{"", "Always", "---", "---", "---", "---", "---", "---", "---"}));
  EXPECT_EQ(RowImages(kMoveListId), (std::vector<int>{1, 0, 13}));
  EXPECT_EQ(RowData(kMoveListId), (std::vector<std::intptr_t>{1, 0, 9}));

  app.DoubleClickRow(kMoveListId, 1);
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Invalid moveid");
  EXPECT_EQ(app.MessageBoxes()[0].title, "Hmm");
  EXPECT_EQ(app.MessageBoxes()[0].owner, MainWindow());
  EXPECT_EQ(app.MessageBoxes()[0].type, MB_OK);
  EXPECT_TRUE(memtk::DialogsRun().empty());
}

TEST_F(MovePage, DoubleClickWithoutASelectedRowSaysSo) {
  memtk::SendNotify(kMoveListId, NM_DBLCLK);
  ASSERT_EQ(app.MessageBoxes().size(), 1u);
  EXPECT_EQ(app.MessageBoxes()[0].text, "Could not retrieve selected item");
  EXPECT_EQ(app.MessageBoxes()[0].title, "Movepage - send_message");
  EXPECT_EQ(app.MessageBoxes()[0].owner, MainWindow());
  EXPECT_TRUE(memtk::DialogsRun().empty());
}

struct DetailsCase {
  const char* pokemon;
  int row;
  DialogTexts expected;
};
void PrintTo(const DetailsCase& d, std::ostream* os) { *os << d.pokemon << " row " << d.row; }

class MoveDetailsFromTheList : public MovePage, public testing::WithParamInterface<DetailsCase> {};

TEST_P(MoveDetailsFromTheList, ShowEveryFactOfTheSelectedMove) {
  app.PickPokemon(GetParam().pokemon);
  DialogTexts shown;
  bool ended_by_done = false;
  app.OnNextDialog([&](memtk::Dialog& d) {
    shown = ReadDialog(d, kDetailIds);
    d.Click(IDOK);
    ended_by_done = d.Ended() && d.Result() == 1;
  });
  app.DoubleClickRow(kMoveListId, GetParam().row);
  EXPECT_EQ(shown, GetParam().expected);
  EXPECT_TRUE(ended_by_done);
  EXPECT_EQ(memtk::DialogsRun().at(0).template_id, 320);
  EXPECT_TRUE(app.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveDetailsFromTheList,
    testing::Values(
        // Accuracy 255, effect chance 25; the same contest effect twice.
        DetailsCase{"Bulbasaur", 5,
                    {"Giga Drain",
                     {{321, "Giga Drain"}, {322, "Type: Grass"}, {323, "Attack Type: Special"},
                      {324, "Power: 60"}, {325, "PP: 5"}, {326, "Accuracy: 100%"},
                      {327, "Number affected: 1"}, {328, "Effect accuracy: 9%"},
                      {329, "Fixture effect: drains half."}, {330, "Contest Type: Smart"},
                      {331, "Appeal: 2"}, {332, "Jam: 0"}, {333, "Fixture contest: jams the others."},
                      {334, "Super Contest Appeal: 2"}, {335, "Fixture contest: jams the others."},
                      {1, "Done"}}}},
        // Accuracy 229 keeps six digits; no effect chance.
        DetailsCase{"Bulbasaur", 4,
                    {"Razor Leaf",
                     {{321, "Razor Leaf"}, {322, "Type: Grass"}, {323, "Attack Type: Physical"},
                      {324, "Power: 55"}, {325, "PP: 25"}, {326, "Accuracy: 89.8039%"},
                      {327, "Number affected: 2"}, {328, "Effect accuracy: 0%"},
                      {329, "Plain damage."}, {330, "Contest Type: Cool"}, {331, "Appeal: 2"},
                      {332, "Jam: 0"}, {333, "No contest effect."}, {334, "Super Contest Appeal: 1"},
                      {335, "Fixture contest: goes first."}, {1, "Done"}}}},
        // Effect chance 255 is 100; accuracy 0 is 0.
        DetailsCase{"Ditto", 0,
                    {"Transform",
                     {{321, "Transform"}, {322, "Type: Normal"}, {323, "Attack Type: Status"},
                      {324, "Power: 0"}, {325, "PP: 10"}, {326, "Accuracy: 0%"},
                      {327, "Number affected: 1"}, {328, "Effect accuracy: 0%"},
                      {329, "Plain damage."}, {330, "Contest Type: Smart"}, {331, "Appeal: 1"},
                      {332, "Jam: 0"}, {333, "No contest effect."}, {334, "Super Contest Appeal: 1"},
                      {335, "No contest effect."}, {1, "Done"}}}}));

TEST_F(MovePage, CloseBoxEndsTheDialogButEscapeDoesNot) {
  bool open_after_escape = false;
  bool ended_by_close_box = false;
  app.OnNextDialog([&](memtk::Dialog& d) {
    d.PressEscape();
    open_after_escape = !d.Ended();
    d.CloseBox();
    ended_by_close_box = d.Ended() && d.Result() == 0;
  });
  app.DoubleClickRow(kMoveListId, 0);
  EXPECT_TRUE(open_after_escape);
  EXPECT_TRUE(ended_by_close_box);
}

}  // namespace
