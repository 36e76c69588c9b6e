#include "pages/dex_calc_page.h"

#include "pages/calculator_controls.h"
#include "pages/catch_dialog.h"
#include "pages/experience_dialogs.h"
#include "pages/stats_dialogs.h"
#include "port/control_ids.h"
#include "shell/page_controls.h"
#include "shell/shell_state.h"
#include "port/win_constants.h"

namespace {

struct CalcButton {
  int id;
  const char* text;
  int x, y;
  int dialog;
  tk::DialogProc procedure;
};

constexpr std::array<CalcButton, 5> kCalcButtons{{
    {kStatsGen12Button, "Stats (gen 1-2)", 10, 10, kStatsGen12DialogId, StatsGen12DlgProc},
    {kCatchButton, "Catching Chance", 10, 35, kCatchDialogId, CatchDlgProc},
    {kExpGainedButton, "Experience Gained", 10, 60, kExpGainedDialogId, ExpGainedDlgProc},
    {kExpNeededButton, "Experience Needed", 10, 85, kExpNeededDialogId, ExpNeededDlgProc},
    {kStatsGen34Button, "Stats (gen 3-4)", 135, 10, kStatsGen34DialogId, StatsGen34DlgProc},
}};

constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 20;

}  // namespace

void DexCalcPage::CreateControls() {
  for (const CalcButton& b : kCalcButtons)
    controls_.push_back(MakeControl(
        {WC_BUTTON, b.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, b.x, b.y, kButtonWidth, kButtonHeight, b.id}));
  Draw();
}

void DexCalcPage::Draw() {}

int DexCalcPage::OnCommand(int id, int, std::intptr_t) {
  for (const CalcButton& b : kCalcButtons)
    if (b.id == id) tk::RunDialog(AppInstance(), b.dialog, MainWindow(), b.procedure, 0);
  return 0;
}
