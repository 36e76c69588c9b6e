#include "pages/dex_breed_page.h"

#include "pages/breeding.h"
#include "pages/move_details.h"
#include "records/pokemon_index.h"
#include "shell/control_ids.h"
#include "shell/shell_state.h"
#include "shell/win_constants.h"

namespace {

tk::Window MakeControl(const char* class_name, const char* window_name, std::uint32_t style, int x,
                       int y, int width, int height, int id) {
  const tk::Window control = tk::CreateControl(class_name, window_name, style, x, y, width, height,
                                               MainWindow(), id, AppInstance());
  tk::SetControlFont(control, SharedFont());
  return control;
}

}  // namespace

void DexBreedPage::CreateControls() {
  group_line_ = MakeControl(WC_EDIT, "crtrbrdgrpid", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY,
                            10, 10, 250, 15, 151);
  partners_ = MakeControl(WC_STATIC, "crtrbrdnamid", WS_CHILD | WS_VISIBLE, 10, 25, 600, 150, 152);
  egg_moves_ = MakeControl(WC_LISTVIEW, "crtrlsvmovid",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LVS_REPORT |
                               LVS_SINGLESEL | LVS_SHAREIMAGELISTS | LVS_NOSORTHEADER,
                           10, 180, 600, 300, kBreedMoveListId);
  generation_ = MakeControl(WC_COMBOBOX, "crtrBreedMode",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, 10,
                            500, 150, 150, kBreedModeComboId);
  tk::ListViewSetSmallImages(egg_moves_, TypeIconList());
  tk::ListViewInsertColumn(egg_moves_, 0, 100, "Move name");
  tk::ListViewInsertColumn(egg_moves_, 1, 400, "How to get the move");
  tk::InvalidateControl(generation_);
  Draw();
}

void DexBreedPage::Draw() {
  const DexPokemon& record = CurrentRecord();
  tk::SetControlText(group_line_, BreedGroupLine(record));
  if (ShowsOnlyTheGroup(record)) {
    // The combo box keeps the previous Pokemon's entries and choice.
    tk::SetControlText(partners_, "");
    tk::ListViewDeleteAll(egg_moves_);
    return;
  }

  const int selected = tk::ComboGetCurSel(generation_);
  std::intptr_t mode = BreedModeFromSelection(
      selected >= 0, selected >= 0 ? tk::ComboGetItemData(generation_, selected) : 0);
  tk::ComboReset(generation_);
  for (const BreedModeEntry& entry : BreedModeEntries(record.fromgeneration)) {
    const int position = tk::ComboAddString(generation_, entry.text);
    if (position >= 0) tk::ComboSetItemData(generation_, position, entry.mode);
  }
  const BreedModeChoice choice = ChooseBreedMode(mode, record.fromgeneration);
  tk::ComboSetCurSel(generation_, choice.position);
  mode = choice.mode;

  tk::SetControlText(partners_, BreedPartnerText(record, Index(), mode));

  tk::ListViewDeleteAll(egg_moves_);
  int next = 0;
  for (const ListRow& row : EggMoveRows(record, mode)) {
    // A row that cannot be added is left out without a message.
    const int position = tk::ListViewInsertItem(egg_moves_, next, row.text, row.image, row.data);
    if (position < 0) continue;
    ++next;
    tk::ListViewSetItemText(egg_moves_, position, 1, row.cells.front());
  }
}

void DexBreedPage::DestroyControls() {
  tk::DestroyControl(group_line_);
  tk::DestroyControl(partners_);
  tk::DestroyControl(egg_moves_);
  tk::DestroyControl(generation_);
}

int DexBreedPage::OnCommand(int id, int code, std::intptr_t /*data*/) {
  if (id == kBreedMoveListId && code == NM_DBLCLK) ShowSelectedMoveDetails(egg_moves_);
  if (id == kBreedModeComboId) Draw();
  return 0;
}
