#include "pages/matchups_dialog.h"

#include <array>
#include <optional>
#include <string>

#include "ask/matchups.h"
#include "port/dialog_ids.h"
#include "port/win_constants.h"
#include "records/selection.h"
#include "shell/answer_list.h"

namespace {
constexpr std::array<AnswerColumn, 3> kColumns{{{"Against", 110}, {"Multiplier", 70}, {"Types", 300}}};
constexpr int kNewestGeneration = 4;

void Show(tk::Window dialog, int generation) {
  const std::optional<ask::MatchupAnswer> answer = ask::Matchups(CurrentId(), generation);
  ask::Table table;
  if (answer) table = ask::MatchupTable(*answer);
  tk::SetDialogItemText(dialog, kMatchupsTitle,
                        answer ? ask::MatchupTitle(*answer)
                               : CurrentRecord().name + " is not in the games of generation " +
                                     std::to_string(generation));
  ShowAnswerRows(tk::DialogItem(dialog, kMatchupsList), table, kColumns.size(), [](std::size_t) { return 0; });
}

void Init(tk::Window dialog) {
  tk::SetControlText(dialog, "Matchups - " + CurrentRecord().name);
  const tk::Window generations = tk::DialogItem(dialog, kMatchupsGenerationList);
  for (int g = 1; g <= kNewestGeneration; ++g)
    tk::ComboSetItemData(generations, tk::ComboAddString(generations, std::to_string(g)), g);
  tk::ComboSetCurSel(generations, kNewestGeneration - 1);
  AddAnswerColumns(tk::DialogItem(dialog, kMatchupsList), kColumns);
  Show(dialog, kNewestGeneration);
}

}  // namespace

std::intptr_t MatchupsDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam, std::intptr_t) {
  if (message == WM_INITDIALOG) {
    Init(dialog);
    return TRUE;
  }
  if (message == WM_CLOSE) {
    tk::EndModalDialog(dialog, IDCANCEL);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  const int id = tk::LowWord(wparam);
  if (id == IDOK || id == IDCANCEL) {
    tk::EndModalDialog(dialog, id);
    return TRUE;
  }
  if (id == kMatchupsGenerationList && tk::HighWord(wparam) == CBN_SELCHANGE) {
    const tk::Window generations = tk::DialogItem(dialog, kMatchupsGenerationList);
    const std::intptr_t generation = tk::ComboGetItemData(generations, tk::ComboGetCurSel(generations));
    if (generation >= 1 && generation <= kNewestGeneration) Show(dialog, static_cast<int>(generation));
    return TRUE;
  }
  return FALSE;
}
