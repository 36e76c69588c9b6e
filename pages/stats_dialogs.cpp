#include "pages/stats_dialogs.h"

#include <string>

#include "pages/calculator_controls.h"
#include "pages/calculator_dialog.h"
#include "calc/stat_choices.h"
#include "calc/stat_formulas.h"
#include "records/pokemon_index.h"
#include "records/selection.h"
#include "port/win_constants.h"

namespace {

bool InRange(std::intptr_t value, std::intptr_t low, std::intptr_t high) {
  return value >= low && value <= high;
}

void ShowStat(tk::Window dialog, std::int32_t value) {
  tk::SetDialogItemText(dialog, kStatsResult, "Stat: " + std::to_string(value));
}

void InitGen12(tk::Window dialog) {
  tk::SetControlText(dialog, "Calculate stats");
  tk::SetDialogItemText(dialog, kStatsHeading, CurrentRecord().name + " Stat Calculator");
  tk::SetDialogItemText(dialog, kStatsStatLabel, "Stat: ");
  tk::SetDialogItemText(dialog, kStatsLevelLabel, "Level: ");
  tk::SetDialogItemText(dialog, kStatsValueLabel, "DV: ");
  tk::SetDialogItemText(dialog, kStatsEffortLabel, "Stat Exp Level: ");
  tk::SetDialogItemText(dialog, kStatsResult, "Your result wil appear here");
  tk::SetDialogItemText(dialog, kStatsCalculate, "Calculate");
  tk::SetDialogItemText(dialog, IDOK, "Done");
  AddChoices(tk::DialogItem(dialog, kStatsStatList), kStatChoices);
  AddNumberEntries(tk::DialogItem(dialog, kStatsLevelList), 1, 100, true);
  AddNumberEntries(tk::DialogItem(dialog, kStatsValueList), 0, 15, false);
  AddNumberEntries(tk::DialogItem(dialog, kStatsEffortList), 0, 63, false);
}

void CalculateGen12(tk::Window dialog) {
  const std::intptr_t stat = SelectedData(dialog, kStatsStatList);
  if (!InRange(stat, 0, 5)) {
    ShowCalcMessage("Invalid stat", "Boo!");
    return;
  }
  const std::intptr_t level = SelectedData(dialog, kStatsLevelList);
  const int dv = SelectedPosition(dialog, kStatsValueList);
  const int statexp = SelectedPosition(dialog, kStatsEffortList);
  bool complete = true;
  if (!InRange(level, 1, 100)) {
    ShowCalcMessage("Invalid level input. Please select a level", "Boo!");
    complete = false;
  }
  if (!InRange(dv, 0, 15)) {
    ShowCalcMessage("Invalid DV. Please select a DV", "Boo!");
    complete = false;
  }
  if (!InRange(statexp, 0, 63)) {
    ShowCalcMessage("Invalid stat exp level. Please select one", "Boo!");
    complete = false;
  }
  if (!complete) return;
  const auto choice = static_cast<std::int32_t>(stat);
  const std::int32_t base = BaseStat(CurrentRecord(), choice).value_or(0);
  ShowStat(dialog, CalcStatGen12(base, static_cast<std::int32_t>(level), dv, statexp,
                                 choice == kHpChoice));
}

void InitGen34(tk::Window dialog) {
  tk::SetControlText(dialog, "Calculate stats");
  tk::SetDialogItemText(dialog, kStatsHeading, CurrentRecord().name + " stat calculator");
  tk::SetDialogItemText(dialog, kStatsStatLabel, "Stat:");
  tk::SetDialogItemText(dialog, kStatsLevelLabel, "Level:");
  tk::SetDialogItemText(dialog, kStatsValueLabel, "IV:");
  tk::SetDialogItemText(dialog, kStatsEffortLabel, "EV:");
  tk::SetDialogItemText(dialog, kStatsResult, "Your result will appear here");
  tk::SetDialogItemText(dialog, kStatsCalculate, "Calculate");
  tk::SetDialogItemText(dialog, IDOK, "Done");
  tk::SetDialogItemText(dialog, kStatsNatureLabel, "Nature:");
  AddChoices(tk::DialogItem(dialog, kStatsStatList), kStatChoices);
  AddNumberEntries(tk::DialogItem(dialog, kStatsLevelList), 1, 100, true);
  AddNumberEntries(tk::DialogItem(dialog, kStatsValueList), 0, 31, false);
  AddChoices(tk::DialogItem(dialog, kStatsNatureList), kNatureChoices);
  AddNumberEntries(tk::DialogItem(dialog, kStatsEffortList), 0, 255, false);
}

void CalculateGen34(tk::Window dialog) {
  const std::intptr_t stat = SelectedData(dialog, kStatsStatList);
  if (!InRange(stat, 0, 5)) {
    ShowCalcMessage("Please select a stat", "Boo!");
    return;
  }
  const std::intptr_t level = SelectedData(dialog, kStatsLevelList);
  const int iv = SelectedPosition(dialog, kStatsValueList);
  const std::intptr_t personality = SelectedData(dialog, kStatsNatureList);
  const int effort = SelectedPosition(dialog, kStatsEffortList);
  bool complete = true;
  if (!InRange(level, 1, 100)) {
    ShowCalcMessage("Please select a level", "Boo!");
    complete = false;
  }
  if (!InRange(iv, 0, 31)) {
    ShowCalcMessage("Please select an IV", "Boo!");
    complete = false;
  }
  if (!InRange(personality, 0, 2)) {
    ShowCalcMessage("Please select a nature", "Bool!");
    complete = false;
  }
  if (!InRange(effort, 0, 255)) {
    ShowCalcMessage("Please select an EV", "Boo!");
    complete = false;
  }
  if (!complete) return;
  const auto choice = static_cast<std::int32_t>(stat);
  const std::int32_t base = BaseStat(CurrentRecord(), choice).value_or(0);
  ShowStat(dialog, CalcStatGen34(base, static_cast<std::int32_t>(level), iv, effort,
                                 choice == kHpChoice, static_cast<int>(personality)));
}

}  // namespace

std::intptr_t StatsGen12DlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                                std::intptr_t) {
  return CalculatorDialog(dialog, message, wparam, kStatsCalculate, InitGen12, CalculateGen12);
}

std::intptr_t StatsGen34DlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                                std::intptr_t) {
  return CalculatorDialog(dialog, message, wparam, kStatsCalculate, InitGen34, CalculateGen34);
}
