#include "calc/catch_dialog.h"

#include <span>
#include <vector>

#include "calc/calculator_dialog.h"
#include "calc/catch_rules.h"
#include "calc/stat_formulas.h"
#include "calc/wrap32.h"
#include "records/pokemon_index.h"
#include "shell/win_constants.h"

namespace {

enum CatchControl {
  kHeading = 260,
  kLevelList = 261,
  kLevelLabel = 262,
  kHpLabel = 263,
  kHpList = 264,
  kStatusLabel = 265,
  kStatusList = 266,
  kBallLabel = 267,
  kBallList = 268,
  kResult = 269,
  kCalculate = 270,
};

void Init(tk::Window dialog) {
  tk::SetControlText(dialog, "Calculate Catching chance");
  tk::SetDialogItemText(dialog, kHeading, CurrentRecord().name + " Catch Chance");
  tk::SetDialogItemText(dialog, kLevelLabel, "Level:");
  tk::SetDialogItemText(dialog, kStatusLabel, "Status:");
  tk::SetDialogItemText(dialog, kHpLabel, "Approx HP Percentage:");
  tk::SetDialogItemText(dialog, kBallLabel, "Pokeball used");
  tk::SetDialogItemText(dialog, IDOK, "Done");
  tk::SetDialogItemText(dialog, kCalculate, "Calculate");
  AddNumberEntries(tk::DialogItem(dialog, kLevelList), 1, 100, true);
  AddNumberEntries(tk::DialogItem(dialog, kHpList), 1, 100, true, "%");
  const tk::Window status = tk::DialogItem(dialog, kStatusList);
  for (const StatusChoice& choice : kCatchStatuses)
    tk::ComboSetItemData(status, tk::ComboAddString(status, choice.text), choice.bonus);
  tk::ComboSetCurSel(status, 0);
  const tk::Window balls = tk::DialogItem(dialog, kBallList);
  for (const BallChoice& ball : kCatchBalls)
    tk::ComboSetItemData(balls, tk::ComboAddString(balls, ball.text), ball.rule);
}

// Incomplete input is never reported: each missing choice stops silently.
void Calculate(tk::Window dialog) {
  const DexPokemon& record = CurrentRecord();
  const std::intptr_t level = SelectedData(dialog, kLevelList);
  if (level < 1 || level > 100) return;
  CatchInputs in;
  in.level = static_cast<std::int32_t>(level);
  in.maximum_hp = CalcStatGen12(record.hp, in.level, 15, 0, true);
  const std::intptr_t percent = SelectedData(dialog, kHpList);
  if (percent < 1 || percent > 100) return;
  in.current_hp = Mul32(static_cast<std::int32_t>(percent), in.maximum_hp) / 100;
  const std::intptr_t bonus = SelectedData(dialog, kStatusList);
  if (bonus != 0 && bonus != 5 && bonus != 10) return;
  in.status_bonus = static_cast<std::int32_t>(bonus);
  in.rate = record.catchrate;
  in.fastballeffect = record.fastballeffect;
  in.heavyballeffect = record.heavyballeffect;
  in.type1 = record.type1;
  in.type2 = record.type2;
  const std::intptr_t rule = SelectedData(dialog, kBallList);
  if (rule < 0 || rule > 14) return;
  if (const auto text = CatchResultText(static_cast<std::int32_t>(rule), in))
    tk::SetDialogItemText(dialog, kResult, *text);
}

}  // namespace

std::intptr_t CatchDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                           std::intptr_t) {
  return CalculatorDialog(dialog, message, wparam, kCalculate, Init, Calculate);
}
