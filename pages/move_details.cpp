#include "pages/move_details.h"

#include "texts/move_texts.h"
#include "records/move.h"
#include "port/control_ids.h"
#include "shell/shell_state.h"
#include "port/win_constants.h"

namespace {

// The move the dialog shows: set just before it opens, read when it opens,
// and kept afterwards.
struct MoveDetailsState {
  int move_id = 0;
};

MoveDetailsState& DetailsState() {
  static MoveDetailsState state;
  return state;
}

}  // namespace

void ResetMoveDetails() { DetailsState() = {}; }

void ShowMoveDetails(int move_id) {
  if (move_id < 1) {
    tk::ShowMessageBox(MainWindow(), "Invalid moveid", "Hmm", MB_OK);
    return;
  }
  DetailsState().move_id = move_id;
  tk::RunDialog(AppInstance(), kMoveDetailsDialogId, MainWindow(), MoveDetailsDlgProc, 0);
}

std::intptr_t MoveDetailsDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                                 std::intptr_t /*lparam*/) {
  switch (message) {
    case WM_INITDIALOG: {
      const MoveDetails details = ComposeMoveDetails(Move(DetailsState().move_id));
      tk::SetControlText(dialog, details.title);
      for (const MoveDetailsText& control : details.controls)
        tk::SetDialogItemText(dialog, control.id, control.text);
      return TRUE;
    }
    case WM_COMMAND:
      // OK, Enter and Escape (IDCANCEL) close it, as every other dialog.
      if (wparam == static_cast<std::uintptr_t>(IDOK) || wparam == static_cast<std::uintptr_t>(IDCANCEL))
        tk::EndModalDialog(dialog, 1);
      return TRUE;
    case WM_CLOSE:
      tk::EndModalDialog(dialog, static_cast<std::intptr_t>(wparam));
      return TRUE;
    default:
      return FALSE;
  }
}

int ShowSelectedMoveDetails(tk::Window list) {
  const int row = tk::ListViewSelectedRow(list);
  if (row < 0) {
    tk::ShowMessageBox(MainWindow(), "Could not retrieve selected item", "Movepage - send_message",
                       MB_OK);
    return 1;
  }
  // The port reads a row's data as 0 when it cannot be read, the same value a
  // row of a move the table lacks carries; both end in "Invalid moveid".
  const std::intptr_t move_id = tk::ListViewItemData(list, row);
  ShowMoveDetails(static_cast<int>(move_id));
  return 0;
}
