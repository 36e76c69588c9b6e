#pragma once
#include <cstdint>
#include <memory>

#include "shell/dex_page.h"

inline constexpr int kPageCount = 12;

// The current page index (also set for an index that names no page) and the
// page object, if any.
struct PageFrameworkState {
  int current_index = 0;
  std::unique_ptr<DexPage> current;
};
PageFrameworkState& Pages();

// Stores the index; for 0-11 makes that tab's page and creates its controls.
void CreatePage(int index);
// DestroyPage, then CreatePage.
void SwitchPage(int index);
// Draw of the current page, if any.
void RedrawPage();
// DestroyControls of the current page and deletes it; the index stays.
void DestroyPage();
// OnCommand of the current page, or 0 when there is none.
int ForwardToPage(int id, int code, std::intptr_t data);
int CurrentPageIndex();

// The page object of a tab index, or null for an index that names no page
// (or whose page is not built into this program). Defined in
// shell/page_table.cpp, one line per tab.
std::unique_ptr<DexPage> MakePage(int index);

// The tab texts in tab order; also the Options dialog's page list.
const char* PageName(int index);
