#include "backends/win32/keyboard.h"

#include <vector>

namespace win32tk {
namespace {

bool HasClass(HWND window, const char* name) {
  char class_name[32] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  return lstrcmpiA(class_name, name) == 0;
}

LRESULT CALLBACK ComboEditProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  if (message == WM_KEYDOWN && wparam == VK_RETURN) {
    HWND combo = GetParent(edit);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(combo));
    return 0;
  }
  if (message == WM_CHAR && wparam == '\r') return 0;  // no beep for the Enter just used
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, ComboEditProc, 1);
  return DefSubclassProc(edit, message, wparam, lparam);
}

struct ButtonShortcut {
  HWND top;
  WPARAM key;  // 'A' to 'Z', the virtual-key code of the letter
  int id;
};
std::vector<ButtonShortcut>& ButtonShortcuts() {
  static std::vector<ButtonShortcut> shortcuts;
  return shortcuts;
}

bool PressButton(HWND button) {
  if (!HasClass(button, "Button")) return false;
  const LONG_PTR kind = GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK;
  if (kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON) return false;
  PostMessageA(button, BM_CLICK, 0, 0);
  return true;
}

HWND TabControlOf(HWND top) {
  for (HWND child = GetWindow(top, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    if (HasClass(child, WC_TABCONTROLA) && IsWindowVisible(child)) return child;
  return nullptr;
}

bool StepTab(HWND from, int step) {
  HWND top = GetAncestor(from, GA_ROOT);
  if (top == nullptr || GetWindowLongPtrA(top, GWL_STYLE) & WS_CHILD) return false;
  HWND tabs = TabControlOf(top);
  const int count = tabs ? static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
  if (count <= 0) return false;
  const int current = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
  const int next = current < 0 ? 0 : (current + step + count) % count;
  SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
  NMHDR header{};
  header.hwndFrom = tabs;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(tabs));
  header.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageA(GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  return true;
}

}  // namespace

bool DeliverWindowKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.hwnd == nullptr) return false;
  // Only in the main window: a modal dialog has its own keys.
  if (GetWindowLongPtrA(GetAncestor(message.hwnd, GA_ROOT), GWL_STYLE) & DS_MODALFRAME) return false;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (message.wParam) {
    case VK_RETURN: return !control && PressButton(message.hwnd);
    case VK_TAB: return control && StepTab(message.hwnd, shift ? -1 : 1);
    case VK_NEXT: return control && StepTab(message.hwnd, 1);
    case VK_PRIOR: return control && StepTab(message.hwnd, -1);
    default:
      if (!control || shift) return false;
      for (const ButtonShortcut& shortcut : ButtonShortcuts())
        if (shortcut.key == message.wParam && shortcut.top == GetAncestor(message.hwnd, GA_ROOT))
          return PressButton(GetDlgItem(shortcut.top, shortcut.id));
      return false;
  }
}

void WatchComboEnter(HWND control) {
  if (!HasClass(control, "ComboBox") || (GetWindowLongPtrA(control, GWL_STYLE) & CBS_DROPDOWNLIST) != CBS_SIMPLE)
    return;
  if (HWND edit = FindWindowExA(control, nullptr, "Edit", nullptr)) SetWindowSubclass(edit, ComboEditProc, 1, 0);
}

}  // namespace win32tk

namespace tk {

void SetButtonShortcut(Window top, char letter, int id) {
  if (letter >= 'A' && letter <= 'Z')
    win32tk::ButtonShortcuts().push_back({win32tk::Hwnd(top), static_cast<WPARAM>(letter), id});
}

}  // namespace tk
