#include "pages/catch_dialog.h"

#include <algorithm>

#include "pages/calculator_controls.h"
#include "pages/calculator_dialog.h"
#include "calc/catch_rules.h"
#include "calc/catch_value.h"
#include "calc/stat_formulas.h"
#include "calc/wrap32.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "port/win_constants.h"

namespace {

void Init(tk::Window dialog) {
  tk::SetControlText(dialog, "Calculate Catching chance");
  tk::SetDialogItemText(dialog, kCatchHeading, CurrentRecord().name + " Catch Chance");
  tk::SetDialogItemText(dialog, kCatchLevelLabel, "Level:");
  tk::SetDialogItemText(dialog, kCatchStatusLabel, "Status:");
  tk::SetDialogItemText(dialog, kCatchHpLabel, "Approx HP Percentage:");
  tk::SetDialogItemText(dialog, kCatchBallLabel, "Pokeball used");
  tk::SetDialogItemText(dialog, IDOK, "Done");
  tk::SetDialogItemText(dialog, kCatchCalculate, "Calculate");
  AddNumberEntries(tk::DialogItem(dialog, kCatchLevelList), 1, 100, true);
  AddNumberEntries(tk::DialogItem(dialog, kCatchHpList), 1, 100, true, "%");
  const tk::Window status = tk::DialogItem(dialog, kCatchStatusList);
  for (const StatusChoice& choice : kCatchStatuses)
    tk::ComboSetItemData(status, tk::ComboAddString(status, choice.text), choice.tenths);
  tk::ComboSetCurSel(status, 0);
  const tk::Window balls = tk::DialogItem(dialog, kCatchBallList);
  for (const BallChoice& ball : kCatchBalls)
    tk::ComboSetItemData(balls, tk::ComboAddString(balls, ball.text), static_cast<std::int32_t>(ball.ball));
}

// Incomplete input is never reported: each missing choice stops silently.
void Calculate(tk::Window dialog) {
  const DexPokemon& record = CurrentRecord();
  const std::intptr_t level = SelectedData(dialog, kCatchLevelList);
  if (level < 1 || level > 100) return;
  CatchInputs in;
  in.level = static_cast<std::int32_t>(level);
  // The wild Pokemon's maximum HP: generation 3-4 rules with the best IV (31)
  // and no EVs, as a wild Pokemon has none.
  in.maximum_hp = CalcStatGen34(record.hp, in.level, 31, 0, true, 0);
  const std::intptr_t percent = SelectedData(dialog, kCatchHpList);
  if (percent < 1 || percent > 100) return;
  // A Pokemon in battle has at least 1 HP.
  in.current_hp = std::max(Mul32(static_cast<std::int32_t>(percent), in.maximum_hp) / 100, 1);
  const std::intptr_t status = SelectedData(dialog, kCatchStatusList);
  if (status != kNoStatusTenths && status != kBurnPoisonParalysisTenths && status != kSleepFreezeTenths) return;
  in.status_tenths = static_cast<std::int32_t>(status);
  in.rate = record.catchrate;
  in.base_speed = record.speed;
  in.heavyballeffect = record.heavyballeffect;
  in.gender = record.gender;
  in.dexno = record.dexno;
  in.type1 = record.type1;
  in.type2 = record.type2;
  const std::intptr_t ball = SelectedData(dialog, kCatchBallList);
  if (ball < 0 || ball >= static_cast<std::intptr_t>(kCatchBalls.size())) return;
  tk::SetDialogItemText(dialog, kCatchResult, CatchResultText(static_cast<Ball>(ball), in));
}

}  // namespace

std::intptr_t CatchDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                           std::intptr_t) {
  return CalculatorDialog(dialog, message, wparam, kCatchCalculate, Init, Calculate);
}
