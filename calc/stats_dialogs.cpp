#include "calc/stats_dialogs.h"

#include <string>

#include "calc/calculator_dialog.h"
#include "calc/stat_choices.h"
#include "calc/stat_formulas.h"
#include "records/pokemon_index.h"
#include "shell/win_constants.h"

namespace {

enum StatsControl {
  kHeading = 240,
  kStatLabel = 241,
  kStatList = 242,
  kCalculate = 243,
  kLevelLabel = 244,
  kLevelList = 245,
  kDvLabel = 246,
  kDvList = 247,
  kStatExpLabel = 248,
  kStatExpList = 249,
  kResult = 250,
  kPersonalityLabel = 251,
  kPersonalityList = 252,
};

bool InRange(std::intptr_t value, std::intptr_t low, std::intptr_t high) {
  return value >= low && value <= high;
}

void ShowStat(tk::Window dialog, std::int32_t value) {
  tk::SetDialogItemText(dialog, kResult, "Stat: " + std::to_string(value));
}

void InitGen12(tk::Window dialog) {
  tk::SetControlText(dialog, "Calculate stats");
  tk::SetDialogItemText(dialog, kHeading, CurrentRecord().name + " Stat Calculator");
  tk::SetDialogItemText(dialog, kStatLabel, "Stat: ");
  tk::SetDialogItemText(dialog, kLevelLabel, "Level: ");
  tk::SetDialogItemText(dialog, kDvLabel, "DV: ");
  tk::SetDialogItemText(dialog, kStatExpLabel, "Stat Exp Level: ");
  tk::SetDialogItemText(dialog, kResult, "Your result wil appear here");
  tk::SetDialogItemText(dialog, kCalculate, "Calculate");
  tk::SetDialogItemText(dialog, IDOK, "Done");
  AddChoices(tk::DialogItem(dialog, kStatList), kStatChoices);
  AddNumberEntries(tk::DialogItem(dialog, kLevelList), 1, 100, true);
  AddNumberEntries(tk::DialogItem(dialog, kDvList), 0, 15, false);
  AddNumberEntries(tk::DialogItem(dialog, kStatExpList), 0, 63, false);
}

void CalculateGen12(tk::Window dialog) {
  const std::intptr_t stat = SelectedData(dialog, kStatList);
  if (!InRange(stat, 0, 5)) {
    ShowCalcMessage("Invalid stat", "Boo!");
    return;
  }
  const std::intptr_t level = SelectedData(dialog, kLevelList);
  const int dv = SelectedPosition(dialog, kDvList);
  const int statexp = SelectedPosition(dialog, kStatExpList);
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
  tk::SetDialogItemText(dialog, kHeading, CurrentRecord().name + " stat calculator");
  tk::SetDialogItemText(dialog, kStatLabel, "Stat:");
  tk::SetDialogItemText(dialog, kLevelLabel, "Level:");
  tk::SetDialogItemText(dialog, kDvLabel, "DV:");
  tk::SetDialogItemText(dialog, kStatExpLabel, "Stat Exp level:");
  tk::SetDialogItemText(dialog, kResult, "Your result will appear here");
  tk::SetDialogItemText(dialog, kCalculate, "Calculate");
  tk::SetDialogItemText(dialog, IDOK, "Done");
  tk::SetDialogItemText(dialog, kPersonalityLabel, "Personality:");
  AddChoices(tk::DialogItem(dialog, kStatList), kStatChoices);
  AddNumberEntries(tk::DialogItem(dialog, kLevelList), 1, 100, true);
  AddNumberEntries(tk::DialogItem(dialog, kDvList), 0, 31, false);
  AddChoices(tk::DialogItem(dialog, kPersonalityList), kPersonalityChoices);
  AddNumberEntries(tk::DialogItem(dialog, kStatExpList), 0, 255, false);
}

void CalculateGen34(tk::Window dialog) {
  const std::intptr_t stat = SelectedData(dialog, kStatList);
  if (!InRange(stat, 0, 5)) {
    ShowCalcMessage("Please select a stat", "Boo!");
    return;
  }
  const std::intptr_t level = SelectedData(dialog, kLevelList);
  const int iv = SelectedPosition(dialog, kDvList);
  const std::intptr_t personality = SelectedData(dialog, kPersonalityList);
  const int effort = SelectedPosition(dialog, kStatExpList);
  bool complete = true;
  if (!InRange(level, 1, 100)) {
    ShowCalcMessage("Please select a level", "Boo!");
    complete = false;
  }
  if (!InRange(iv, 0, 31)) {
    ShowCalcMessage("Please select a DV", "Boo!");
    complete = false;
  }
  if (!InRange(personality, 0, 2)) {
    ShowCalcMessage("Please select a personality", "Bool!");
    complete = false;
  }
  if (!InRange(effort, 0, 255)) {
    ShowCalcMessage("Please select a stat exp level", "Boo!");
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
  return CalculatorDialog(dialog, message, wparam, kCalculate, InitGen12, CalculateGen12);
}

std::intptr_t StatsGen34DlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                                std::intptr_t) {
  return CalculatorDialog(dialog, message, wparam, kCalculate, InitGen34, CalculateGen34);
}
