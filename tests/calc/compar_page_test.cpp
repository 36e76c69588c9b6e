#include <gtest/gtest.h>

#include <array>

#include "calc_app.h"
#include "shell/shell_state.h"

namespace {

using Widths = std::array<int, 5>;

// What the five bars show: each one's width, checked against its control
// and the bitmap in it (a bar of width 0 shows the bitmap's own 10 pixels).
Widths BarWidths(const CalcApp& app) {
  Widths widths{};
  for (int k = 0; k < 5; ++k) {
    const memtk::Control* bar = app.Find("crtrbar" + std::to_string(k + 1));
    if (!bar) {
      ADD_FAILURE() << "no bar " << k + 1;
      continue;
    }
    widths[static_cast<std::size_t>(k)] = bar->rect.right - bar->rect.left;
    EXPECT_EQ(bar->rect.left, 125);
    EXPECT_EQ(bar->rect.top, 10 + 35 * k);
    EXPECT_EQ(bar->rect.bottom - bar->rect.top, 30);
    EXPECT_EQ(bar->style, WS_CHILD | WS_VISIBLE | SS_BITMAP);
    const memtk::BitmapInfo image = memtk::BitmapDetails(bar->bitmap);
    EXPECT_EQ(image.resource_id, 212);
    EXPECT_EQ(image.width, widths[static_cast<std::size_t>(k)] > 0 ? widths[static_cast<std::size_t>(k)] : 10);
    EXPECT_EQ(image.height, 30);
    EXPECT_FALSE(image.deleted);
  }
  return widths;
}

std::size_t LiveControlsNamed(std::string_view name) {
  std::size_t count = 0;
  for (const memtk::Control* c : memtk::Controls()) if (c->window_name == name) ++count;
  return count;
}

TEST(ComparisonsPage, StartsWithLowestHighestAndTheCurrentPokemonForHp) {
  CalcApp app;
  app.Open("Bulbasaur", "Comparisons");
  // Lowest HP: Shedinja (1); highest: Chansey (250); Bulbasaur has 45.
  EXPECT_EQ(BarWidths(app), (Widths{1, 425, 0, 0, 76}));
  const char* names[] = {"crtrcompname1", "crtrcompname2", "crtrcompname3", "crtrcompname4"};
  const int initial[] = {1, 2, 0, 0};
  for (int k = 0; k < 4; ++k) {
    const memtk::Control* box = app.Find(names[k]);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->id, 187 + k);
    EXPECT_EQ(box->rect, (tk::Rect{15, 15 + 35 * k, 115, 165 + 35 * k}));
    EXPECT_EQ(box->style, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST);
    EXPECT_EQ(box->font, SharedFont());
    EXPECT_EQ(box->selection, initial[k]);
  }
  std::vector<std::string> entries;
  for (const auto& e : app.Find(187)->entries) entries.push_back(e.text);
  // Pokemon follow in byte-wise id order: "0", "1", "10", "113", ... "92".
  EXPECT_EQ(entries, (std::vector<std::string>{"None", "Lowest", "Highest", "Missingno.",
                                               "Bulbasaur", "Caterpie", "Chansey", "Magikarp",
                                               "Mew", "Shedinja", "Wailmer", "Machoke", "Machamp",
                                               "Gastly"}));
  const memtk::Control* name = app.Find(186);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text, "Bulbasaur");
  EXPECT_EQ(name->rect, (tk::Rect{15, 155, 115, 185}));
  const memtk::Control* category = app.Find("crtrcompcategory");
  ASSERT_NE(category, nullptr);
  EXPECT_EQ(category->id, 191);
  EXPECT_EQ(category->rect, (tk::Rect{15, 190, 115, 340}));
  std::vector<std::string> categories;
  for (const auto& e : category->entries) categories.push_back(e.text);
  EXPECT_EQ(categories, (std::vector<std::string>{"HP", "Attack", "Defense", "Speed",
                                                  "Special Attack", "Special Defense", "Weight",
                                                  "Height"}));
  EXPECT_EQ(category->selection, 0);
}

TEST(ComparisonsPage, WeightOfZeroCountsOneInItsBarButIsTheLowest) {
  CalcApp app;
  app.Open("Bulbasaur", "Comparisons");
  app.PickEntry(191, "Weight");
  // Lowest: Gastly (stored 0, drawn as 1); highest: Missingno. (3507); Bulbasaur 15.
  EXPECT_EQ(BarWidths(app), (Widths{0, 425, 0, 0, 1}));
  app.PickEntry(187, "Gastly");
  app.PickEntry(188, "Chansey");
  // 1, 76 and 15 of 76.
  EXPECT_EQ(BarWidths(app), (Widths{5, 425, 0, 0, 83}));
}

TEST(ComparisonsPage, HeightComparesTotalInches) {
  CalcApp app;
  app.Open("Bulbasaur", "Comparisons");
  app.PickEntry(187, "Machamp");  // 5 ft 2 in: 62
  app.PickEntry(188, "Machoke");  // 4 ft 11 in: 59
  app.PickEntry(191, "Height");   // Bulbasaur: 2 ft 4 in, 28
  EXPECT_EQ(BarWidths(app), (Widths{425, 404, 0, 0, 191}));
}

TEST(ComparisonsPage, TheSamePokemonInEveryRowGivesEqualBars) {
  CalcApp app;
  app.Open("Mew", "Comparisons");
  for (const int box : {187, 188, 189, 190}) app.PickEntry(box, "Mew");
  app.PickEntry(191, "Special Attack");
  EXPECT_EQ(BarWidths(app), (Widths{425, 425, 425, 425, 425}));
}

TEST(ComparisonsPage, AllValuesZeroGiveZeroWidthBars) {
  CalcApp app;
  app.Open("Missingno.", "Comparisons");
  app.PickEntry(187, "None");
  app.PickEntry(188, "None");
  app.PickEntry(191, "Defense");
  EXPECT_EQ(BarWidths(app), (Widths{0, 0, 0, 0, 0}));
  EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST(ComparisonsPage, ChoosingAnotherPokemonRedrawsItsNameAndBarOnly) {
  CalcApp app;
  app.Open("Bulbasaur", "Comparisons");
  app.PickEntry(189, "Wailmer");
  app.PickPokemon("Chansey");
  EXPECT_EQ(app.TextOf(186), "Chansey");
  EXPECT_EQ(app.Find(189)->selection, 10);
  EXPECT_EQ(BarWidths(app), (Widths{1, 425, 221, 0, 425}));
}

TEST(ComparisonsPage, RebuildsReleaseTheOldBarsAndLeavingReleasesAll) {
  CalcApp app;
  app.Open("Bulbasaur", "Calculations");
  const int bitmaps_before = memtk::LiveBitmapCount();
  app.SelectTab("Comparisons");
  EXPECT_EQ(memtk::LiveBitmapCount(), bitmaps_before + 5);
  app.PickEntry(191, "Attack");
  app.PickEntry(190, "Mew");
  app.PickPokemon("Caterpie");
  EXPECT_EQ(memtk::LiveBitmapCount(), bitmaps_before + 5);
  EXPECT_EQ(LiveControlsNamed("crtrbar1"), 1u);
  EXPECT_EQ(LiveControlsNamed("crtrbar5"), 1u);
  app.SelectTab("Calculations");
  EXPECT_EQ(memtk::LiveBitmapCount(), bitmaps_before);
  for (const char* name : {"crtrbar1", "crtrbar5", "crtrcompname1", "crtrcompcategory"})
    EXPECT_EQ(LiveControlsNamed(name), 0u) << name;
  EXPECT_EQ(app.Find(186), nullptr);
}

TEST(ComparisonsPage, ComesBackFreshAfterATabSwitch) {
  CalcApp app;
  app.Open("Bulbasaur", "Comparisons");
  app.PickEntry(191, "Speed");
  app.PickEntry(187, "Mew");
  app.SelectTab("Calculations");
  app.SelectTab("Comparisons");
  EXPECT_EQ(app.Find(187)->selection, 1);
  EXPECT_EQ(app.Find(191)->selection, 0);
  EXPECT_EQ(BarWidths(app), (Widths{1, 425, 0, 0, 76}));
}

}  // namespace
