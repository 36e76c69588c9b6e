#pragma once
#include <cstdint>
#include <memory>

#include "shell/dex_page.h"

inline constexpr int kPageCount = 13;

// The page of a tab index, or null for an index that names no page.
using PageMaker = std::unique_ptr<DexPage> (*)(int index);

// The current page index (also set for an index that names no page), the
// page object, if any, and the page table the program installed at start-up.
struct PageFrameworkState {
  int current_index = 0;
  std::unique_ptr<DexPage> current;
  PageMaker make_page = nullptr;
};
PageFrameworkState& Pages();

// Stores the index; for 0-12 makes that tab's page and creates its controls.
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

// The tab text of a page index.
const char* PageName(int index);

// Settings store the page index, so a page added later takes the next index wherever its
// tab stands: position p of the tab strip (and of the Options dialog's page list) shows
// page PageAtTab(p).
int PageAtTab(int position);
// The position of a page's tab; -1 for an index that names no page.
int TabOfPage(int index);
