// The in-memory backend keeps the Win32 results the program relies on.
#include <gtest/gtest.h>

#include "backends/memory/memory_screen.h"
#include "shell/toolkit.h"
#include "shell/win_constants.h"

namespace {
std::intptr_t QuietProc(tk::Window, unsigned, std::uintptr_t, std::intptr_t) { return 0; }

class MemoryToolkit : public ::testing::Test {
 protected:
  MemoryToolkit() {
    memtk::Reset();
    tk::RegisterWindowClass({}, tk::WindowClass{"T", 0, QuietProc, 0, 0});
    top = tk::CreateTopWindow("T", "t", WS_CAPTION, 0, 0, 200, 100, {});
  }
  ~MemoryToolkit() override { memtk::Reset(); }
  tk::Window Make(const char* cls, int id) {
    return tk::CreateControl(cls, "c", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top, id, {});
  }
  tk::Window top;
};

TEST_F(MemoryToolkit, ComboBoxesAnswerLikeWindows) {
  const tk::Window combo = Make(WC_COMBOBOX, 1);
  EXPECT_EQ(tk::ComboGetCurSel(combo), -1);
  EXPECT_EQ(tk::ComboAddString(combo, "a"), 0);
  EXPECT_EQ(tk::ComboAddString(combo, "b"), 1);
  EXPECT_TRUE(tk::ComboSetItemData(combo, 1, 42));
  EXPECT_EQ(tk::ComboGetItemData(combo, 1), 42);
  EXPECT_EQ(tk::ComboGetItemData(combo, 2), CB_ERR);
  EXPECT_EQ(tk::ComboGetItemData(combo, -1), CB_ERR);
  tk::ComboSetCurSel(combo, 1);
  EXPECT_EQ(tk::ComboGetCurSel(combo), 1);
  tk::ComboSetCurSel(combo, 5);
  EXPECT_EQ(tk::ComboGetCurSel(combo), -1) << "an out-of-range position clears the selection";
  tk::ComboReset(combo);
  EXPECT_EQ(tk::ComboGetItemData(combo, 0), CB_ERR);
}

TEST_F(MemoryToolkit, ListViewsKeepRowsSubItemsAndData) {
  const tk::Window list = Make(WC_LISTVIEW, 2);
  EXPECT_EQ(tk::ListViewInsertColumn(list, 0, 100, "Name"), 0);
  EXPECT_EQ(tk::ListViewInsertColumn(list, 1, 50, "Lv"), 1);
  EXPECT_EQ(tk::ListViewInsertItem(list, 0, "first", 3, 7), 0);
  EXPECT_EQ(tk::ListViewInsertItem(list, 99, "last", tk::kNoImage, 8), 1) << "past the end appends";
  EXPECT_TRUE(tk::ListViewSetItemText(list, 1, 1, "12"));
  EXPECT_FALSE(tk::ListViewSetItemText(list, 1, 2, "no column"));
  EXPECT_FALSE(tk::ListViewSetItemText(list, 5, 1, "no row"));
  EXPECT_EQ(tk::ListViewItemData(list, 1), 8);
  EXPECT_EQ(tk::ListViewItemData(list, 9), 0);
  EXPECT_EQ(tk::ListViewSelectedRow(list), -1);
  const memtk::Control& c = memtk::ControlAt(list);
  EXPECT_EQ(c.rows[1].texts, (std::vector<std::string>{"last", "12"}));
  EXPECT_EQ(c.rows[0].image, 3);
  tk::ListViewDeleteAll(list);
  EXPECT_TRUE(memtk::ControlAt(list).rows.empty());
}

TEST_F(MemoryToolkit, TheFirstTabBecomesSelectedAndSetCurSelSendsNothing) {
  const tk::Window tabs = Make(WC_TABCONTROL, 3);
  EXPECT_EQ(tk::TabGetCurSel(tabs), -1);
  tk::TabInsertItem(tabs, 0, "A", 10);
  tk::TabInsertItem(tabs, 1, "B", 11);
  EXPECT_EQ(tk::TabGetCurSel(tabs), 0);
  tk::TabSetCurSel(tabs, 1);
  EXPECT_EQ(tk::TabGetCurSel(tabs), 1);
  std::intptr_t data = -5;
  EXPECT_TRUE(tk::TabGetItemData(tabs, 1, data));
  EXPECT_EQ(data, 11);
  EXPECT_FALSE(tk::TabGetItemData(tabs, 2, data));
  EXPECT_EQ(data, 11);
}

TEST_F(MemoryToolkit, ControlsNeedAKnownClassAndALiveParent) {
  EXPECT_FALSE(Make("NoSuchClass", 4));
  EXPECT_FALSE(tk::CreateControl(WC_STATIC, "x", WS_CHILD, 0, 0, 1, 1, {}, 5, {}));
  EXPECT_TRUE(Make("Button", 6)) << "class names are not case-sensitive";
  const tk::Window gone = Make(WC_STATIC, 7);
  tk::DestroyControl(gone);
  tk::SetControlText(gone, "ignored");
  EXPECT_EQ(memtk::FindControl(7), nullptr);
}

TEST_F(MemoryToolkit, DialogsWithoutAScriptCloseLikeEscape) {
  auto proc = [](tk::Window d, unsigned m, std::uintptr_t w, std::intptr_t) -> std::intptr_t {
    if (m == WM_COMMAND && w == static_cast<std::uintptr_t>(IDCANCEL)) {
      tk::EndModalDialog(d, 77);
      return TRUE;
    }
    return FALSE;
  };
  EXPECT_EQ(tk::RunDialog({}, 201, top, proc, 0), 77);
  EXPECT_FALSE(memtk::DialogsRun().back().scripted);
  EXPECT_EQ(tk::RunDialog({}, 9999, top, proc, 0), -1) << "no such template";
}

TEST_F(MemoryToolkit, BitmapsAndImageListsComeFromTheResources) {
  const tk::Bitmap bar = tk::LoadBitmapStretched({}, 210, 280, 15);
  EXPECT_EQ(memtk::BitmapDetails(bar).width, 280);
  EXPECT_FALSE(tk::LoadBitmapResource({}, 5000));
  const tk::ImageList list = tk::CreateImageList(16, 16, ILC_COLOR16, 1, 1);
  EXPECT_EQ(tk::ImageListAdd(list, tk::LoadBitmapResource({}, 221), {}), 0);
  EXPECT_EQ(tk::ImageListAdd(list, {}, {}), -1);
  tk::DeleteBitmap(bar);
  EXPECT_EQ(memtk::LiveBitmapCount(), 1);
}
}  // namespace
