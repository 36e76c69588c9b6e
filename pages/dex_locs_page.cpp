#include "pages/dex_locs_page.h"

#include <array>
#include <optional>

#include "texts/location_texts.h"
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

constexpr std::array<Column, 4> kColumns{{
    {"Location", 250},
    {"Levels", 75},
    {"Time", 100},
    {"Chance", 75},
}};

enum : std::size_t { kLabel, kVersionBox, kEncounters };
constexpr std::array<ControlLayout, 3> kLayout{{
    {WC_STATIC, "loctxtstc", WS_CHILD | WS_VISIBLE, 10, 10, 75, 15, 311},
    {WC_COMBOBOX, "verbox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 90,
     10, 100, 175, kVersionComboId, ControlFont::kGui},
    {WC_LISTVIEW, "crtrlsvlocid", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | WS_VSCROLL,
     10, 35, 540, 425, 313, ControlFont::kNone},
}};

}  // namespace

void DexLocsPage::CreateControls() {
  MakeControls(kLayout, controls_);
  tk::SetControlText(controls_[kLabel], "Version");
  tk::ComboSetCurSel(controls_[kVersionBox], 0);
  tk::InvalidateControl(controls_[kVersionBox]);
  tk::InvalidateControl(controls_[kEncounters]);
  for (int c = 0; c < static_cast<int>(kColumns.size()); ++c)
    tk::ListViewInsertColumn(controls_[kEncounters], c, kColumns[static_cast<std::size_t>(c)].width,
                             kColumns[static_cast<std::size_t>(c)].title);
  Draw();
}

void DexLocsPage::Draw() {
  const tk::Window versions = controls_[kVersionBox];
  std::optional<std::intptr_t> remembered;
  if (const int selected = tk::ComboGetCurSel(versions); selected >= 0)
    remembered = tk::ComboGetItemData(versions, selected);

  tk::ComboReset(versions);
  const std::vector<int> codes = VersionCodesFor(CurrentRecord().fromgeneration);
  if (codes.empty()) {
    tk::ShowMessageBox(MainWindow(), "Unknown starting version", "Draw Loc Page 1", MB_OK);
    return;
  }
  int select = 0;
  for (const int code : codes) {
    const int position = tk::ComboAddString(versions, kVersions[static_cast<std::size_t>(code)].name);
    if (position < 0) continue;
    tk::ComboSetItemData(versions, position, code);
    if (remembered && *remembered == code) select = position;
  }
  tk::ComboSetCurSel(versions, select);
  FillLocationList();
}

void DexLocsPage::FillLocationList() {
  const tk::Window versions = controls_[kVersionBox], encounters = controls_[kEncounters];
  tk::ListViewDeleteAll(encounters);
  const int selected = tk::ComboGetCurSel(versions);
  const std::intptr_t code = selected >= 0 ? tk::ComboGetItemData(versions, selected) : CB_ERR;
  if (!IsKnownVersion(code)) {
    tk::ShowMessageBox(MainWindow(), "Unknown version", "UpdateLocLst 1", MB_OK);
    return;
  }
  const int version = static_cast<int>(code);
  const EncounterList& list = CurrentRecord().locations[static_cast<std::size_t>(version)];
  int n = 0;
  for (const ListRow& row : EncounterRows(list, version)) {
    const int position = tk::ListViewInsertItem(encounters, n++, row.text, tk::kNoImage, 0);
    if (position < 0) continue;
    for (std::size_t c = 0; c < row.cells.size(); ++c)
      tk::ListViewSetItemText(encounters, position, static_cast<int>(c) + 1, row.cells[c]);
  }
}

int DexLocsPage::OnCommand(int id, int /*code*/, std::intptr_t /*data*/) {
  if (id == kVersionComboId) FillLocationList();
  return 0;
}
