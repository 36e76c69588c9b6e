// The Calculations, Comparisons and machine pages as the user works them.
#include <gtest/gtest.h>

#include "calc_app.h"
#include "calc_model.h"

namespace {

// The current Pokemon's bar (the fifth) against the first box's, in every category, for
// every current Pokemon and every choice of the first box, the others set to None: the
// longer bar stands for the larger value of the data set's facts, the larger one always
// spans the full length, and no bitmap is left behind.
TEST(ComparisonsPage, BarsGrowWithTheirValuesForAnyChoice) {
  CalcApp app;
  app.Open("Bulbasaur", "Comparisons");
  const char* const categories[] = {"HP", "Attack", "Defense", "Speed", "Special Attack", "Special Defense",
                                    "Weight", "Height"};
  std::vector<std::string> entries{"None", "Lowest", "Highest"};
  for (const model::Mon& mon : model::kMons) entries.push_back(mon.name);
  const int bitmaps = memtk::LiveBitmapCount();
  const auto width = [&](int bar) {
    const memtk::Control* c = app.Find("crtrbar" + std::to_string(bar));
    return c ? c->rect.right - c->rect.left : -1;
  };
  app.PickEntry(188, "None");
  int full = 0;
  for (int category = 0; category < 8; ++category) {
    app.PickEntry(191, categories[category]);
    std::vector<int> values;
    for (const model::Mon& mon : model::kMons) values.push_back(std::max(mon.Category(category), category == 6 ? 1 : 0));
    const int lowest = *std::min_element(values.begin(), values.end());
    const int highest = *std::max_element(values.begin(), values.end());
    for (std::size_t current = 0; current < values.size(); ++current) {
      app.PickPokemon(model::kMons[current].name);
      for (std::size_t box = 0; box < entries.size(); ++box) {
        app.PickEntry(187, entries[box]);
        const int chosen = box == 0 ? 0 : box == 1 ? lowest : box == 2 ? highest : values[box - 3];
        const int own = values[current], first = width(1), mine = width(5);
        SCOPED_TRACE(std::string(categories[category]) + " " + model::kMons[current].name + " against " + entries[box]);
        ASSERT_EQ(std::make_tuple(width(2), width(3), width(4)), std::make_tuple(0, 0, 0));
        ASSERT_TRUE((chosen > 0 || first == 0) && (own > 0 || mine == 0));
        ASSERT_TRUE(chosen < own ? first <= mine : chosen > own ? first >= mine : first == mine) << first << " " << mine;
        if (full == 0) full = std::max(first, mine);
        ASSERT_EQ(std::max(first, mine), own > 0 || chosen > 0 ? full : 0);
        ASSERT_EQ(app.TextOf(186), model::kMons[current].name);
        ASSERT_EQ(memtk::LiveBitmapCount(), bitmaps);
      }
    }
  }
  EXPECT_GT(full, 0);
  EXPECT_TRUE(app.MessageBoxes().empty());
  app.SelectTab("Calculations");
  EXPECT_EQ(memtk::LiveBitmapCount(), bitmaps - 5);
}

struct Cell {
  const char* tab;
  int id;
  const char* text;
  bool learnt_by_bulbasaur;
  const char* move;  // the details dialog's title
};

// Bulbasaur's flags: RBY TM03 TM06 TM50 HM01 HM05; GSC TM01 HM07 CM01 CM03;
// RSEFRLG TM06 HM08 MT01 MT33; DP TM06 TM51 TM92 TM93 TM96 HM01 HM08.
const Cell kCells[] = {
    {"RBY TMs", 211, "TM1 - Mega Punch", false, "Mega Punch"}, {"RBY TMs", 213, "TM3 - ", true, ""},
    {"RBY TMs", 265, "HM5 - Flash", true, "Flash"},           {"GSC TMs", 268, "CM1 - Flamethrower", true, "Flamethrower"},
    {"RSEFRLG TMs", 268, "HM8 - Dive", true, "Dive"},         {"RSEFRLG TMs", 271, "Tutor Body Slam", true, "Body Slam"},
    {"DP TMs 1", 260, "TM50 - Overheat", false, "Overheat"},   {"DP TMs 2", 211, "TM51 - Roost", true, "Roost"},
    {"DP TMs 2", 265, "HM5 - Defog", false, "Defog"},         {"DP TMs 2", 274, "Tutor Draco Meteor", true, "Draco Meteor"},
    // The fixture predates HeartGold/SoulSilver and Platinum: their cells are all greyed.
    {"DP TMs 2", 269, "HGSS HM5 - Whirlpool", false, "Whirlpool"}, {"Tutors", 252, "Draco Meteor", false, "Draco Meteor"},
};

// Each page holds its TMs, HMs and tutor moves (cells 211-260, 261-270, 271-303) and
// no cell of another page; a cell is greyed unless the Pokemon learns its move.
TEST(MachinePages, CellsNameTheirMachineGreyByTheFlagsAndOpenTheMove) {
  CalcApp app;
  app.Open("Bulbasaur", "Main");
  const std::tuple<const char*, int, int, int> pages[] = {{"RBY TMs", 50, 5, 0},     {"GSC TMs", 50, 10, 0},
                                                          {"RSEFRLG TMs", 50, 8, 33}, {"DP TMs 1", 50, 0, 0},
                                                          {"DP TMs 2", 42, 9, 4},     {"Calculations", 0, 0, 0}};
  for (const auto& [tab, tms, hms, tutors] : pages) {
    app.SelectTab(tab);
    int counts[3] = {};
    for (const memtk::Control* c : memtk::Controls())
      if (c->class_name == "STATIC" && c->id >= 211 && c->id <= 303) ++counts[c->id <= 260 ? 0 : c->id <= 270 ? 1 : 2];
    EXPECT_EQ(std::make_tuple(counts[0], counts[1], counts[2]), std::make_tuple(tms, hms, tutors)) << tab;
  }
  app.SelectTab("DP TMs 1");
  memtk::SendNotify(261, NM_DBLCLK);  // no HM cells on this page
  EXPECT_TRUE(memtk::DialogsRun().empty());
  for (const Cell& c : kCells) {
    app.PickPokemon("Bulbasaur");
    app.SelectTab(c.tab);
    ASSERT_NE(app.Find(c.id), nullptr) << c.tab << " " << c.id;
    EXPECT_EQ(app.TextOf(c.id), c.text) << c.tab;
    EXPECT_EQ(app.Find(c.id)->enabled, c.learnt_by_bulbasaur) << c.tab << " " << c.text;
    app.PickPokemon("Caterpie");  // no flags at all: everything greyed, details still open
    EXPECT_FALSE(app.Find(c.id)->enabled) << c.tab << " " << c.text;
    std::string title = "none";
    app.OnNextDialog([&](memtk::Dialog& d) { title = d.Title(); });
    memtk::DoubleClickStatic(c.id);
    EXPECT_EQ(title, c.move) << c.tab << " " << c.text;
  }
}

}  // namespace
