#include "pages/dex_move_page.h"

#include <array>

#include "pages/move_details.h"
#include "texts/move_texts.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "port/control_ids.h"
#include "shell/page_controls.h"
#include "shell/shell_state.h"
#include "port/win_constants.h"

namespace {

struct Column {
  const char* title;
  int width;
};

constexpr std::array<Column, 11> kColumns{{
    {"Move", 100},
    {"RB lvl", 50},
    {"Y lvl", 50},
    {"GS lvl", 50},
    {"C lvl", 50},
    {"RS lvl", 50},
    {"FRLG lvl", 70},
    {"XD lvl", 70},
    {"DP lvl", 70},
    {"Pt lvl", 50},
    {"HGSS lvl", 70},
}};

constexpr ControlLayout kList{WC_LISTVIEW, "crtrlsvmovid",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS |
                                LVS_NOSORTHEADER,
                            10, 10, 630, 530, kMoveListId};

}  // namespace

void DexMovePage::CreateControls() {
  controls_.push_back(MakeControl(kList));
  const tk::Window list = controls_.front();
  tk::ListViewSetSmallImages(list, TypeIconList());
  for (int c = 0; c < static_cast<int>(kColumns.size()); ++c)
    tk::ListViewInsertColumn(list, c, kColumns[static_cast<std::size_t>(c)].width,
                             kColumns[static_cast<std::size_t>(c)].title);
  Draw();
}

void DexMovePage::Draw() {
  const tk::Window list = controls_.front();
  tk::ListViewDeleteAll(list);
  const std::vector<ListRow> rows = LevelMoveRows(CurrentRecord());
  int n = 0;
  for (const ListRow& row : rows) {
    const int position = tk::ListViewInsertItem(list, n, row.text, row.image, row.data);
    ++n;
    if (position < 0) {
      tk::ShowMessageBox(MainWindow(), "Could not insert move item", "DrawPokemonBreedPage 2", MB_OK);
      continue;
    }
    for (std::size_t c = 0; c < row.cells.size(); ++c)
      tk::ListViewSetItemText(list, position, static_cast<int>(c) + 1, row.cells[c]);
  }
  tk::ListViewRedrawItems(list, 0, n - 1);
}

int DexMovePage::OnCommand(int id, int code, std::intptr_t /*data*/) {
  if (id != kMoveListId || code != NM_DBLCLK) return 0;
  return ShowSelectedMoveDetails(controls_.front());
}
