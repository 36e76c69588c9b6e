#include "textui/screen_text.h"

#include <gtest/gtest.h>

#include "shell/toolkit.h"
#include "shell/win_constants.h"

namespace {

std::intptr_t Ignore(tk::Window, unsigned, std::uintptr_t, std::intptr_t) { return 0; }

std::string IconName(int image) { return "icon" + std::to_string(image); }

// A bare main window on the in-memory backend to put controls on.
class ScreenText : public testing::Test {
 protected:
  void SetUp() override {
    memtk::Reset();
    ASSERT_TRUE(tk::RegisterWindowClass(instance_, {"TEXTTEST", 0, Ignore, 0, 0}));
    main_ = tk::CreateTopWindow("TEXTTEST", "Test", WS_CAPTION, 0, 0, 800, 600, instance_);
    ASSERT_TRUE(main_);
  }
  void TearDown() override { memtk::Reset(); }

  tk::Window Make(const char* class_name, const char* text, std::uint32_t style, int x, int y,
                  int width = 100, int height = 20, int id = 0) {
    return tk::CreateControl(class_name, text, WS_CHILD | style, x, y, width, height, main_, id,
                             instance_);
  }
  std::string Render() const { return RenderControls(memtk::Controls(), IconName); }

  tk::Instance instance_{1};
  tk::Window main_;
};

TEST_F(ScreenText, ReadsTopToBottomThenLeftToRight) {
  Make(WC_STATIC, "third", WS_VISIBLE, 10, 40);
  Make(WC_STATIC, "second", WS_VISIBLE, 200, 10);
  Make(WC_STATIC, "first", WS_VISIBLE, 10, 10);
  Make(WC_STATIC, "hidden", 0, 10, 5);
  Make(WC_STATIC, "", WS_VISIBLE, 10, 20);  // an empty text shows nothing
  const tk::Window gone = Make(WC_STATIC, "destroyed", WS_VISIBLE, 10, 30);
  tk::DestroyControl(gone);
  EXPECT_EQ(Render(), "first\nsecond\nthird\n");
}

TEST_F(ScreenText, WritesEveryLineOfAMultiLineText) {
  Make(WC_EDIT, "one\r\ntwo\nthree", WS_VISIBLE | ES_MULTILINE, 10, 10);
  EXPECT_EQ(Render(), "one\ntwo\nthree\n");
}

TEST_F(ScreenText, ShowsButtonsByKindAndGreyedControls) {
  Make(WC_BUTTON, "&About", WS_VISIBLE | BS_PUSHBUTTON, 10, 10);
  Make(WC_BUTTON, "Tick && go", WS_VISIBLE | BS_AUTOCHECKBOX, 10, 20);
  Make(WC_BUTTON, "Choice", WS_VISIBLE | BS_AUTORADIOBUTTON, 10, 30);
  const tk::Window greyed = Make(WC_STATIC, "TM01", WS_VISIBLE, 10, 40);
  tk::EnableControl(greyed, false);
  EXPECT_EQ(Render(), "<About>\n[ ] Tick & go\n( ) Choice\nTM01 (greyed)\n");
}

TEST_F(ScreenText, ShowsTheSelectedEntryOfAComboBox) {
  const tk::Window drop = Make(WC_COMBOBOX, "drop", WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10);
  tk::ComboAddString(drop, "Generation 3");
  tk::ComboAddString(drop, "Generation 4");
  tk::ComboSetCurSel(drop, 1);
  Make(WC_COMBOBOX, "empty", WS_VISIBLE | CBS_DROPDOWNLIST, 10, 20);
  const tk::Window open = Make(WC_COMBOBOX, "open", WS_VISIBLE | CBS_SIMPLE, 10, 30);
  for (const char* name : {"Bulbasaur", "Ivysaur", "Venusaur"}) tk::ComboAddString(open, name);
  tk::ComboSetCurSel(open, 1);
  EXPECT_EQ(Render(), "Generation 4 [v]\n[v]\nIvysaur (entry 2 of 3)\n");
}

TEST_F(ScreenText, ShowsTabsWhereTheyAreSeenWithTheSelectedOneInBrackets) {
  const tk::Window tabs = Make(WC_TABCONTROL, "tabs", WS_VISIBLE | TCS_BOTTOM, 5, 5, 650, 500);
  tk::TabInsertItem(tabs, 0, "Main", 0);
  tk::TabInsertItem(tabs, 1, "Attacks", 1);
  tk::TabSetCurSel(tabs, 1);
  Make(WC_STATIC, "page text", WS_VISIBLE, 10, 10);
  EXPECT_EQ(Render(), "page text\nMain | [Attacks]\n");
}

TEST_F(ScreenText, WritesAListViewAsAnAlignedTable) {
  const tk::Window list = Make(WC_LISTVIEW, "list", WS_VISIBLE | LVS_REPORT, 10, 10, 300, 300);
  tk::ListViewSetSmallImages(list, tk::ImageList{7});
  tk::ListViewInsertColumn(list, 0, 100, "Move");
  tk::ListViewInsertColumn(list, 1, 50, "Level");
  tk::ListViewInsertColumn(list, 2, 50, "Way");
  tk::ListViewInsertItem(list, 0, "Tackle", 1, 1);
  tk::ListViewSetItemText(list, 0, 1, "1");
  tk::ListViewSetItemText(list, 0, 2, "Always");
  tk::ListViewInsertItem(list, 1, "Vine Whip", 12, 2);
  tk::ListViewSetItemText(list, 1, 1, "13");
  EXPECT_EQ(Render(),
            "Move                Level  Way\n"
            "------------------  -----  ------\n"
            "[icon1] Tackle      1      Always\n"
            "[icon12] Vine Whip  13\n");
}

TEST_F(ScreenText, AListWithoutRowsShowsItsTitles) {
  const tk::Window list = Make(WC_LISTVIEW, "list", WS_VISIBLE | LVS_REPORT, 10, 10);
  tk::ListViewInsertColumn(list, 0, 100, "Location");
  tk::ListViewInsertColumn(list, 1, 50, "Levels");
  EXPECT_EQ(Render(), "Location  Levels\n--------  ------\n");
}

TEST_F(ScreenText, RowsWithoutAnImageListShowNoIcon) {
  const tk::Window list = Make(WC_LISTVIEW, "list", WS_VISIBLE | LVS_REPORT, 10, 10);
  tk::ListViewInsertColumn(list, 0, 100, "Location");
  tk::ListViewInsertItem(list, 0, "Route 1", tk::kNoImage, 0);
  tk::ListViewInsertItem(list, 1, "Route 2", 3, 0);
  EXPECT_EQ(Render(), "Location\n--------\nRoute 1\nRoute 2\n");
}

TEST_F(ScreenText, ShowsABitmapByItsResourceAndSize) {
  const tk::Window bar = Make(WC_STATIC, "bar", WS_VISIBLE | SS_BITMAP, 10, 10);
  Make(WC_STATIC, "no bitmap yet", WS_VISIBLE | SS_BITMAP, 10, 20);
  tk::SetStaticBitmap(bar, tk::LoadBitmapStretched(instance_, 210, 60, 15));
  EXPECT_EQ(Render(), "[image 210, 60 x 15]\n");
}

TEST(RenderMessageBox, IndentsLaterLines) {
  EXPECT_EQ(RenderMessageBox({{}, "Invalid moveid", "Hmm", 0, true}),
            "Message box \"Hmm\": Invalid moveid\n");
  EXPECT_EQ(RenderMessageBox({{}, "first\nsecond\n", "Faunary", 0, false}),
            "Message box \"Faunary\": first\n  second\n");
}

}  // namespace
