#include "pages/dex_tm_page.h"

#include "pages/move_details.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "shell/page_controls.h"
#include "port/win_constants.h"

void DexTMPage::CreateControls() {
  // Cells start greyed; SS_NOTIFY makes them report double-clicks.
  constexpr std::uint32_t kCellStyle = WS_CHILD | WS_VISIBLE | WS_DISABLED | SS_NOTIFY;
  for (MachineCell& machine : MachineCells(generation_)) {
    controls_.push_back(MakeControl({WC_STATIC, machine.window_name, kCellStyle, machine.x, machine.y,
                                     machine.width, kMachineCellHeight, machine.control_id}));
    tk::SetControlText(controls_.back(), machine.text);
    cells_.push_back(std::move(machine));
  }
  Draw();
}

void DexTMPage::Draw() {
  const DexPokemon& record = CurrentRecord();
  for (std::size_t n = 0; n < cells_.size(); ++n) {
    const MachineCell& cell = cells_[n];
    if (cell.source == kPtHgssTutorsGeneration) tk::SetControlText(controls_[n], MachineCellText(cell, record));
    tk::EnableControl(controls_[n], MachineFlag(record, cell.source, cell.flag));
  }
}

void DexTMPage::DestroyControls() {
  controls_.clear();
  cells_.clear();
}

int DexTMPage::OnCommand(int id, int code, std::intptr_t) {
  if (code != NM_DBLCLK) return 0;
  for (const MachineCell& cell : cells_) {
    if (cell.control_id == id) {
      ShowMoveDetails(cell.move);
      break;
    }
  }
  return 0;
}
