#include "pages/calculator_dialog.h"

#include <string>

#include "shell/shell_state.h"
#include "port/win_constants.h"

void AddNumberEntries(tk::Window list, int first, int last, bool number_as_data,
                      std::string_view suffix) {
  for (int n = first; n <= last; ++n) {
    const int position = tk::ComboAddString(list, std::to_string(n) + std::string(suffix));
    if (number_as_data) tk::ComboSetItemData(list, position, n);
  }
}

void AddChoices(tk::Window list, std::span<const ListChoice> choices) {
  for (const ListChoice& choice : choices)
    tk::ComboSetItemData(list, tk::ComboAddString(list, choice.text), choice.data);
}

std::intptr_t SelectedData(tk::Window dialog, int list_id) {
  const tk::Window list = tk::DialogItem(dialog, list_id);
  return tk::ComboGetItemData(list, tk::ComboGetCurSel(list));
}

int SelectedPosition(tk::Window dialog, int list_id) {
  return tk::ComboGetCurSel(tk::DialogItem(dialog, list_id));
}

void ShowCalcMessage(std::string_view text, std::string_view title) {
  tk::ShowMessageBox(MainWindow(), text, title, MB_OK);
}

std::intptr_t CalculatorDialog(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                               int calculate_id, DialogStep init, DialogStep calculate) {
  if (message == WM_INITDIALOG) {
    init(dialog);
    return TRUE;
  }
  if (message != WM_COMMAND || wparam == 0) return FALSE;
  if (wparam == static_cast<std::uintptr_t>(IDOK) || wparam == static_cast<std::uintptr_t>(IDCANCEL)) {
    tk::EndModalDialog(dialog, static_cast<std::intptr_t>(wparam));
    return TRUE;
  }
  if (wparam == static_cast<std::uintptr_t>(calculate_id)) {
    calculate(dialog);
    return TRUE;
  }
  return FALSE;
}
