#include "pages/dex_locs_page.h"

#include <array>
#include <optional>

#include "texts/location_texts.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "port/control_ids.h"
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

}  // namespace

void DexLocsPage::CreateControls() {
  label_ = tk::CreateControl(WC_STATIC, "loctxtstc", WS_CHILD | WS_VISIBLE, 10, 10, 75, 15,
                             MainWindow(), 311, AppInstance());
  versions_ = tk::CreateControl(WC_COMBOBOX, "verbox",
                                WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL |
                                    WS_VSCROLL | WS_TABSTOP,
                                90, 10, 100, 175, MainWindow(), kVersionComboId, AppInstance());
  encounters_ = tk::CreateControl(WC_LISTVIEW, "crtrlsvlocid",
                                  WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL |
                                      LVS_NOSORTHEADER | WS_VSCROLL,
                                  10, 35, 540, 425, MainWindow(), 313, AppInstance());
  tk::SetControlFont(label_, SharedFont());
  tk::SetControlText(label_, "Version");
  tk::SetControlFont(versions_, tk::StockGuiFont());
  tk::ComboSetCurSel(versions_, 0);
  tk::InvalidateControl(versions_);
  tk::InvalidateControl(encounters_);
  for (int c = 0; c < static_cast<int>(kColumns.size()); ++c)
    tk::ListViewInsertColumn(encounters_, c, kColumns[static_cast<std::size_t>(c)].width,
                             kColumns[static_cast<std::size_t>(c)].title);
  Draw();
}

void DexLocsPage::Draw() {
  std::optional<std::intptr_t> remembered;
  if (const int selected = tk::ComboGetCurSel(versions_); selected >= 0)
    remembered = tk::ComboGetItemData(versions_, selected);

  tk::ComboReset(versions_);
  const std::vector<int> codes = VersionCodesFor(CurrentRecord().fromgeneration);
  if (codes.empty()) {
    tk::ShowMessageBox(MainWindow(), "Unknown starting version", "Draw Loc Page 1", MB_OK);
    return;
  }
  int select = 0;
  for (const int code : codes) {
    const int position = tk::ComboAddString(versions_, kVersions[static_cast<std::size_t>(code)].name);
    if (position < 0) continue;
    tk::ComboSetItemData(versions_, position, code);
    if (remembered && *remembered == code) select = position;
  }
  tk::ComboSetCurSel(versions_, select);
  FillLocationList();
}

void DexLocsPage::FillLocationList() {
  tk::ListViewDeleteAll(encounters_);
  const int selected = tk::ComboGetCurSel(versions_);
  const std::intptr_t code = selected >= 0 ? tk::ComboGetItemData(versions_, selected) : CB_ERR;
  if (!IsKnownVersion(code)) {
    tk::ShowMessageBox(MainWindow(), "Unknown version", "UpdateLocLst 1", MB_OK);
    return;
  }
  const int version = static_cast<int>(code);
  const EncounterList& list = CurrentRecord().locations[static_cast<std::size_t>(version)];
  int n = 0;
  for (const ListRow& row : EncounterRows(list, version)) {
    const int position = tk::ListViewInsertItem(encounters_, n++, row.text, tk::kNoImage, 0);
    if (position < 0) continue;
    for (std::size_t c = 0; c < row.cells.size(); ++c)
      tk::ListViewSetItemText(encounters_, position, static_cast<int>(c) + 1, row.cells[c]);
  }
}

void DexLocsPage::DestroyControls() {
  tk::DestroyControl(label_);
  tk::DestroyControl(encounters_);
  tk::DestroyControl(versions_);
}

int DexLocsPage::OnCommand(int id, int /*code*/, std::intptr_t /*data*/) {
  if (id == kVersionComboId) FillLocationList();
  return 0;
}
