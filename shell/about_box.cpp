#include "shell/main_window.h"
#include "port/dialog_ids.h"
#include "port/win_constants.h"

namespace {
constexpr const char* kAboutBoxText =
    "Faunary Offline Pokedex. Written by the Faunary developers in 2024 and 2025. For more information, read the "
    "readme.txt file that should have been included with this package.";
}

std::intptr_t AboutDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam, std::intptr_t) {
  if (message == WM_INITDIALOG) {
    tk::SetDialogItemText(dialog, IDOK, "Ok");
    tk::SetDialogItemText(dialog, kAboutText, kAboutBoxText);
    tk::SetControlText(dialog, "About Faunary");
    return TRUE;
  }
  if (message == WM_COMMAND && (wparam == static_cast<std::uintptr_t>(IDOK) || wparam == static_cast<std::uintptr_t>(IDCANCEL))) {
    tk::EndModalDialog(dialog, static_cast<std::intptr_t>(wparam));
    return TRUE;
  }
  return FALSE;
}
