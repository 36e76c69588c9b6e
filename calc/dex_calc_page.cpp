#include "calc/dex_calc_page.h"

#include "calc/calculator_controls.h"
#include "calc/catch_dialog.h"
#include "calc/experience_dialogs.h"
#include "calc/stats_dialogs.h"
#include "shell/control_ids.h"
#include "shell/shell_state.h"
#include "shell/win_constants.h"

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
  for (std::size_t n = 0; n < kCalcButtons.size(); ++n) {
    const CalcButton& b = kCalcButtons[n];
    buttons_[n] = tk::CreateControl(WC_BUTTON, b.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, b.x,
                                    b.y, kButtonWidth, kButtonHeight, MainWindow(), b.id,
                                    AppInstance());
    tk::SetControlFont(buttons_[n], SharedFont());
  }
  Draw();
}

void DexCalcPage::Draw() {}

void DexCalcPage::DestroyControls() {
  for (tk::Window& button : buttons_) {
    tk::DestroyControl(button);
    button = {};
  }
}

int DexCalcPage::OnCommand(int id, int, std::intptr_t) {
  for (const CalcButton& b : kCalcButtons)
    if (b.id == id) tk::RunDialog(AppInstance(), b.dialog, MainWindow(), b.procedure, 0);
  return 0;
}
