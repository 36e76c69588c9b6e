// The images and dialog layouts every backend builds from.
#include <gtest/gtest.h>

#include <set>

#include "resources/dialog_templates.h"
#include "resources/images.h"
#include "shell/win_constants.h"

namespace {
TEST(Images, TheTypeImagesAreSixteenSquareAndAllDifferent) {
  std::set<std::vector<std::uint32_t>> distinct;
  for (int id : kTypeBitmapIds) {
    const ImageResource* image = FindImage(id);
    ASSERT_NE(image, nullptr) << id;
    EXPECT_EQ(image->width, 16);
    EXPECT_EQ(image->height, 16);
    ASSERT_EQ(image->pixels.size(), 256u);
    distinct.insert(image->pixels);
  }
  EXPECT_EQ(distinct.size(), 19u);
}

TEST(Images, TheBarsAreSolidTenBySeven) {
  const std::pair<int, std::uint32_t> bars[] = {{210, 0x0000FF}, {211, 0xFF00FF}, {212, 0x000000}};
  for (const auto& [id, colour] : bars) {
    const ImageResource* bar = FindImage(id);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->width, 10);
    EXPECT_EQ(bar->height, 7);
    EXPECT_EQ(bar->pixels, std::vector<std::uint32_t>(70, colour));
  }
  ASSERT_NE(FindImage(101), nullptr) << "the program icon";
  EXPECT_EQ(FindImage(102), nullptr);
}

TEST(DialogLayouts, EveryDialogOfTheProgramIsThere) {
  std::vector<int> ids;
  for (const DialogTemplate& t : AllDialogTemplates()) ids.push_back(t.id);
  EXPECT_EQ(ids, (std::vector<int>{201, 203, 204, 205, 206, 207, 290, 320}));
  for (const DialogTemplate& t : AllDialogTemplates()) {
    EXPECT_STREQ(t.font, "MS Sans Serif");
    EXPECT_EQ(t.font_points, 8);
    EXPECT_EQ(t.style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    std::set<int> item_ids;
    for (const DialogItemTemplate& item : t.items) item_ids.insert(item.id);
    EXPECT_EQ(item_ids.size(), t.items.size()) << "dialog " << t.id << " has one control per id";
  }
}

TEST(DialogLayouts, AboutAndOptionsAreLaidOutAsDesigned) {
  const DialogTemplate* about = FindDialogTemplate(201);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->width, 150);
  EXPECT_EQ(about->height, 90);
  ASSERT_EQ(about->items.size(), 2u);
  EXPECT_EQ(about->items[0].id, 202);
  EXPECT_EQ(about->items[1].x, 65);
  EXPECT_EQ(about->items[1].style & BS_CENTER, BS_CENTER);

  const DialogTemplate* options = FindDialogTemplate(207);
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->width, 180);
  EXPECT_EQ(options->height, 200);
  std::vector<int> ids;
  for (const DialogItemTemplate& item : options->items) ids.push_back(item.id);
  EXPECT_EQ(ids, (std::vector<int>{300, 301, 302, 303, 304, 305, 306, 307, 311, 1, 2, 308}));
  EXPECT_EQ(options->items[1].style & (WS_GROUP | BS_TYPEMASK), WS_GROUP | BS_AUTORADIOBUTTON);
  EXPECT_EQ(options->items[3].style & CBS_DROPDOWNLIST, CBS_DROPDOWNLIST);
  EXPECT_EQ(options->items[8].style & BS_TYPEMASK, BS_AUTOCHECKBOX);
}
}  // namespace
