#include "shell/page_framework.h"

#include <array>

PageFrameworkState& Pages() {
  static PageFrameworkState state;
  return state;
}

void CreatePage(int index) {
  PageFrameworkState& pages = Pages();
  pages.current_index = index;
  if (!pages.make_page) return;
  std::unique_ptr<DexPage> page = pages.make_page(index);
  if (!page) return;
  pages.current = std::move(page);
  pages.current->CreateControls();
}

void SwitchPage(int index) {
  DestroyPage();
  CreatePage(index);
}

void RedrawPage() {
  if (Pages().current) Pages().current->Draw();
}

void DestroyPage() {
  PageFrameworkState& pages = Pages();
  if (!pages.current) return;
  pages.current->DestroyControls();
  pages.current.reset();
}

int ForwardToPage(int id, int code, std::intptr_t data) {
  const PageFrameworkState& pages = Pages();
  return pages.current ? pages.current->OnCommand(id, code, data) : 0;
}

int CurrentPageIndex() { return Pages().current_index; }

const char* PageName(int index) {
  static constexpr std::array<const char*, kPageCount> kNames{
      "Main",        "Attacks", "Pokedex Entries", "Breeding", "Comparisons", "Calculations",
      "RBY TMs",     "GSC TMs", "RSEFRLG TMs",     "DP TMs 1", "DP TMs 2",    "Locations",
      "Tutors"};
  if (index < 0 || index >= kPageCount) return "";
  return kNames[static_cast<std::size_t>(index)];
}

namespace {
// The tutor grid stands with the other machine pages, before Locations.
constexpr std::array<int, kPageCount> kTabOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11};
}  // namespace

int PageAtTab(int position) {
  if (position < 0 || position >= kPageCount) return -1;
  return kTabOrder[static_cast<std::size_t>(position)];
}

int TabOfPage(int index) {
  for (int position = 0; position < kPageCount; ++position)
    if (kTabOrder[static_cast<std::size_t>(position)] == index) return position;
  return -1;
}
