#include "pages/experience_dialogs.h"

#include <string>

#include "pages/calculator_controls.h"
#include "pages/calculator_dialog.h"
#include "calc/experience.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "port/win_constants.h"

namespace {

void InitGained(tk::Window dialog) {
  tk::SetControlText(dialog, "Experience Gained");
  tk::SetDialogItemText(dialog, kGainedHeading,
                        "Experience gained by defeating " + CurrentRecord().name);
  tk::SetDialogItemText(dialog, kGainedLevelLabel, "Level: ");
  tk::SetDialogItemText(dialog, kGainedTrainerBattle, "Trainer Battle?");
  tk::SetDialogItemText(dialog, kGainedResult, "Experience Gained: ");
  tk::SetDialogItemText(dialog, kGainedCalculate, "Calculate");
  tk::SetDialogItemText(dialog, IDOK, "Done");
  AddNumberEntries(tk::DialogItem(dialog, kGainedLevelList), 1, 100, true);
}

void CalculateGained(tk::Window dialog) {
  const std::intptr_t level = SelectedData(dialog, kGainedLevelList);
  if (level < 1 || level > kMaxLevel) {
    ShowCalcMessage("Please select a proper level", "Boo!");
    return;
  }
  const bool trainer = tk::IsButtonChecked(tk::DialogItem(dialog, kGainedTrainerBattle));
  const std::int32_t gained = ExperienceGained(static_cast<std::int32_t>(level),
                                               CurrentRecord().baseexperience, trainer);
  tk::SetDialogItemText(dialog, kGainedResult, "Experience gained: " + std::to_string(gained));
}

void InitNeeded(tk::Window dialog) {
  tk::SetControlText(dialog, "Experience Needed");
  tk::SetDialogItemText(dialog, kNeededLevelLabel, "Level:");
  tk::SetDialogItemText(dialog, kNeededResult, "Experience needed: ");
  tk::SetDialogItemText(dialog, kNeededCalculate, "Calculate");
  tk::SetDialogItemText(dialog, IDOK, "Done");
  AddNumberEntries(tk::DialogItem(dialog, kNeededLevelList), 1, 100, true);
}

void CalculateNeeded(tk::Window dialog) {
  const std::intptr_t level = SelectedData(dialog, kNeededLevelList);
  // Level 1 is refused although the list offers it.
  const bool level_ok = level >= 2 && level <= kMaxLevel;
  if (!level_ok) ShowCalcMessage("Please select a level", "Boo!");
  const std::int32_t group = CurrentRecord().expformula;
  if (group < kGrowthFast || group > kGrowthFluctuating) {
    ShowCalcMessage("Invalid experience formula for this Pokemon", "Error");
    return;
  }
  if (!level_ok) return;
  const std::int32_t needed = ExperienceAtLevel(group, static_cast<std::int32_t>(level)).value_or(0);
  tk::SetDialogItemText(dialog, kNeededResult, "Experience needed: " + std::to_string(needed));
}

}  // namespace

std::intptr_t ExpGainedDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                               std::intptr_t) {
  return CalculatorDialog(dialog, message, wparam, kGainedCalculate, InitGained, CalculateGained);
}

std::intptr_t ExpNeededDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                               std::intptr_t) {
  return CalculatorDialog(dialog, message, wparam, kNeededCalculate, InitNeeded, CalculateNeeded);
}
