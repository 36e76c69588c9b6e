// Modal dialogs built in memory from the dialog table, and their controls.
#include <vector>

#include "backends/win32/dialog_template_bytes.h"
#include "backends/win32/procedure_thunk.h"
#include "backends/win32/win32_handles.h"
#include "resources/dialog_templates.h"

namespace {

// What the thunk needs for one running dialog: the toolkit procedure and the
// caller's parameter. Lives on RunDialog's stack; its address is kept in
// DWLP_USER from WM_INITDIALOG on.
struct DialogCall {
  tk::DialogProc procedure = nullptr;
  std::intptr_t param = 0;
};

INT_PTR CALLBACK DialogThunk(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lparam);
    const auto* call = reinterpret_cast<const DialogCall*>(lparam);
    return call->procedure(win32tk::ToWindow(dialog), message, wparam, call->param);
  }
  const auto* call = reinterpret_cast<const DialogCall*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (call == nullptr) return FALSE;  // messages before WM_INITDIALOG (WM_SETFONT)
  return win32tk::CallProcedure(call->procedure, dialog, message, wparam, lparam);
}

}  // namespace

namespace tk {

using namespace win32tk;

std::intptr_t RunDialog(Instance instance, int template_id, Window owner, DialogProc procedure,
                        std::intptr_t param) {
  const DialogTemplate* layout = FindDialogTemplate(template_id);
  if (layout == nullptr || procedure == nullptr) return -1;
  const std::vector<std::uint16_t> words = BuildDialogTemplate(*layout);
  DialogCall call{procedure, param};
  return DialogBoxIndirectParamA(Hinstance(instance), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()),
                                 Hwnd(owner), DialogThunk, reinterpret_cast<LPARAM>(&call));
}

void EndModalDialog(Window dialog, std::intptr_t result) { EndDialog(Hwnd(dialog), result); }

Window DialogItem(Window dialog, int id) { return ToWindow(GetDlgItem(Hwnd(dialog), id)); }

void SetDialogItemText(Window dialog, int id, std::string_view text) {
  SetDlgItemTextA(Hwnd(dialog), id, Terminated(text).c_str());
}

void CheckRadio(Window dialog, int first_id, int last_id, int checked_id) {
  CheckRadioButton(Hwnd(dialog), first_id, last_id, checked_id);
}

void CheckDialogButton(Window dialog, int id, bool checked) {
  CheckDlgButton(Hwnd(dialog), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool IsDialogButtonChecked(Window dialog, int id) { return IsDlgButtonChecked(Hwnd(dialog), id) == BST_CHECKED; }

}  // namespace tk
