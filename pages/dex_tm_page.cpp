#include "pages/dex_tm_page.h"

#include "pages/move_details.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "shell/shell_state.h"
#include "port/win_constants.h"

void DexTMPage::CreateControls() {
  // Cells start greyed; SS_NOTIFY makes them report double-clicks.
  constexpr std::uint32_t kCellStyle = WS_CHILD | WS_VISIBLE | WS_DISABLED | SS_NOTIFY;
  for (MachineCell& machine : MachineCells(generation_)) {
    const tk::Window window =
        tk::CreateControl(WC_STATIC, machine.window_name, kCellStyle, machine.x, machine.y,
                          kMachineCellWidth, kMachineCellHeight, MainWindow(), machine.control_id,
                          AppInstance());
    tk::SetControlFont(window, SharedFont());
    tk::SetControlText(window, machine.text);
    cells_.push_back({std::move(machine), window});
  }
  Draw();
}

void DexTMPage::Draw() {
  const DexPokemon& record = CurrentRecord();
  for (const Cell& cell : cells_)
    tk::EnableControl(cell.window, MachineFlag(record, generation_, cell.machine.flag));
}

void DexTMPage::DestroyControls() {
  for (const Cell& cell : cells_) tk::DestroyControl(cell.window);
  cells_.clear();
}

int DexTMPage::OnCommand(int id, int code, std::intptr_t) {
  if (code != NM_DBLCLK) return 0;
  for (const Cell& cell : cells_) {
    if (cell.machine.control_id == id) {
      ShowMoveDetails(cell.machine.move);
      break;
    }
  }
  return 0;
}
