#include "pages/dex_breed_page.h"

#include <array>

#include "texts/breeding.h"
#include "pages/move_details.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "port/control_ids.h"
#include "shell/page_controls.h"
#include "shell/shell_state.h"
#include "port/win_constants.h"

namespace {

enum : std::size_t { kGroupLine, kPartners, kEggMoves, kGeneration };
constexpr std::array<ControlLayout, 4> kLayout{{
    {WC_EDIT, "crtrbrdgrpid", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 10, 10, 600, 15, 151},
    // The partners of a big egg group run past any fixed box: it scrolls.
    {WC_EDIT, "crtrbrdnamid", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 10, 25, 600, 150, 152},
    {WC_LISTVIEW, "crtrlsvmovid",
     WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS |
         LVS_NOSORTHEADER,
     10, 180, 600, 300, kBreedMoveListId},
    {WC_COMBOBOX, "crtrBreedMode", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, 10, 500, 150,
     150, kBreedModeComboId},
}};

}  // namespace

void DexBreedPage::CreateControls() {
  MakeControls(kLayout, controls_);
  const tk::Window egg_moves = controls_[kEggMoves];
  tk::ListViewSetSmallImages(egg_moves, TypeIconList());
  tk::ListViewInsertColumn(egg_moves, 0, 100, "Move name");
  tk::ListViewInsertColumn(egg_moves, 1, 400, "How to get the move");
  tk::InvalidateControl(controls_[kGeneration]);
  Draw();
}

void DexBreedPage::Draw() {
  const tk::Window group_line = controls_[kGroupLine], partners = controls_[kPartners],
                   egg_moves = controls_[kEggMoves], generation = controls_[kGeneration];
  const DexPokemon& record = CurrentRecord();
  tk::SetControlText(group_line, BreedGroupLine(record));
  const int selected = tk::ComboGetCurSel(generation);
  std::intptr_t mode = BreedModeFromSelection(
      selected >= 0, selected >= 0 ? tk::ComboGetItemData(generation, selected) : 0);
  tk::ComboReset(generation);
  for (const BreedModeEntry& entry : BreedModeEntries(record.fromgeneration)) {
    const int position = tk::ComboAddString(generation, entry.text);
    if (position >= 0) tk::ComboSetItemData(generation, position, entry.mode);
  }
  const BreedModeChoice choice = ChooseBreedMode(mode, record.fromgeneration);
  tk::ComboSetCurSel(generation, choice.position);
  mode = choice.mode;

  tk::SetControlText(partners, BreedPartnerText(record, Index(), mode));

  tk::ListViewDeleteAll(egg_moves);
  int next = 0;
  for (const ListRow& row : EggMoveRows(record, mode)) {
    // A row that cannot be added is left out without a message.
    const int position = tk::ListViewInsertItem(egg_moves, next, row.text, row.image, row.data);
    if (position < 0) continue;
    ++next;
    tk::ListViewSetItemText(egg_moves, position, 1, row.cells.front());
  }
}

int DexBreedPage::OnCommand(int id, int code, std::intptr_t /*data*/) {
  if (id == kBreedMoveListId && code == NM_DBLCLK) ShowSelectedMoveDetails(controls_[kEggMoves]);
  if (id == kBreedModeComboId) Draw();
  return 0;
}
