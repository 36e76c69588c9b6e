// Steps on message boxes and modal dialogs (class "#32770").
#include <algorithm>

#include "session.h"
#include "session_support.h"
#include "window_queries.h"

namespace {

constexpr const char* kDialogClass = "#32770";

void Notify(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  SendNotifyMessageA(window, message, wparam, lparam);
}

}  // namespace

std::string Session::WaitMessageBox(const Args& args) {
  const std::string& title = args[0];
  const std::optional<TextExpectation> expected = ExpectationAt(args, 1);
  if (!expected) return "usage: wait-message-box \"title\" [prefix] \"text\"";
  HWND box = nullptr;
  const std::string failure = WaitFor("message box", [&] {
    for (HWND window : TopWindowsOf(process_.dwProcessId, kDialogClass))
      if (WindowText(window).value_or("") == title) {
        box = window;
        return true;
      }
    return false;
  });
  if (!failure.empty()) return failure;
  // The text is the box's longest static text (the other static is the icon).
  std::string shown;
  for (HWND child : DirectChildren(box)) {
    if (lstrcmpiA(ClassName(child).c_str(), "Static") != 0) continue;
    const std::string text = WindowText(child).value_or("");
    if (text.size() > shown.size()) shown = text;
  }
  if (!expected->Matches(shown)) return Mismatch(*expected, shown);
  HWND ok = GetDlgItem(box, IDOK);
  if (ok == nullptr) return "the message box has no OK button";
  Notify(ok, BM_CLICK, 0, 0);
  return WaitFor("closing of the message box", [box] { return IsWindow(box) == FALSE || !IsWindowVisible(box); });
}

std::string Session::ExpectNoMessageBox(const Args&) {
  for (HWND window : TopWindowsOf(process_.dwProcessId, kDialogClass))
    if (window != dialog_) return "a dialog is open: " + Show(WindowText(window).value_or("?"));
  return "";
}

std::string Session::WaitDialog(const Args& args) {
  const std::string& title = args[0];
  const std::string failure = WaitFor("dialog", [&] {
    for (HWND window : TopWindowsOf(process_.dwProcessId, kDialogClass))
      if (GetWindow(window, GW_OWNER) == main_ && WindowText(window).value_or("") == title) {
        dialog_ = window;
        return true;
      }
    return false;
  });
  if (!failure.empty()) return failure;
  return Sync(dialog_) ? "" : "the dialog does not answer";
}

std::string Session::ExpectDialogText(const Args& args) {
  if (dialog_ == nullptr) return "no dialog (wait-dialog first)";
  const std::optional<int> id = IntArg(args[0]);
  const std::optional<TextExpectation> expected = ExpectationAt(args, 1);
  if (!id || !expected) return "usage: expect-dialog-text <id> [prefix] \"text\"";
  HWND item = GetDlgItem(dialog_, *id);
  if (item == nullptr) return "the dialog has no item " + args[0];
  const std::optional<std::string> shown = WindowText(item);
  if (!shown) return "the item does not answer";
  return expected->Matches(*shown) ? "" : Mismatch(*expected, *shown);
}

std::string Session::ExpectDialogChecked(const Args& args) {
  if (dialog_ == nullptr) return "no dialog (wait-dialog first)";
  const std::optional<int> id = IntArg(args[0]), checked = IntArg(args[1]);
  if (!id || !checked) return "id and check state must be numbers";
  HWND item = GetDlgItem(dialog_, *id);
  if (item == nullptr) return "the dialog has no item " + args[0];
  const auto state = static_cast<int>(SendMessageA(item, BM_GETCHECK, 0, 0));
  return state == *checked ? "" : "check state " + std::to_string(state);
}

std::string Session::ExpectDialogComboSelection(const Args& args) {
  if (dialog_ == nullptr) return "no dialog (wait-dialog first)";
  const std::optional<int> id = IntArg(args[0]);
  if (!id) return "the id must be a number";
  HWND combo = GetDlgItem(dialog_, *id);
  const std::optional<std::vector<std::string>> entries = ComboEntries(combo);
  if (!entries) return "the combo box does not answer";
  const auto selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
  const std::string shown = selected >= 0 && static_cast<std::size_t>(selected) < entries->size()
                                ? (*entries)[static_cast<std::size_t>(selected)]
                                : "";
  return shown == args[1] ? "" : Mismatch({args[1], false}, shown);
}

std::string Session::DialogClick(const Args& args) {
  if (dialog_ == nullptr) return "no dialog (wait-dialog first)";
  const std::optional<int> id = IntArg(args[0]);
  if (!id) return "the id must be a number";
  HWND item = GetDlgItem(dialog_, *id);
  if (item == nullptr) return "the dialog has no item " + args[0];
  Notify(item, BM_CLICK, 0, 0);
  // The main window's thread runs the dialog; it answers once the click is handled.
  return Sync(main_) ? "" : "the program does not answer";
}

std::string Session::DialogSelect(const Args& args) {
  if (dialog_ == nullptr) return "no dialog (wait-dialog first)";
  const std::optional<int> id = IntArg(args[0]);
  if (!id) return "the id must be a number";
  HWND combo = GetDlgItem(dialog_, *id);
  const std::optional<std::vector<std::string>> entries = ComboEntries(combo);
  if (!entries) return "the combo box does not answer";
  const auto it = std::find(entries->begin(), entries->end(), args[1]);
  if (it == entries->end()) return "no entry " + Show(args[1]);
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(it - entries->begin()), 0);
  Notify(dialog_, WM_COMMAND, MAKEWPARAM(*id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  return Sync(main_) ? "" : "the program does not answer";
}

// A key press in the dialog, as the keyboard delivers it: posted, so that
// the dialog's own message loop gives it to the dialog manager.
std::string Session::DialogKey(const Args& args) {
  if (dialog_ == nullptr) return "no dialog (wait-dialog first)";
  WPARAM key = 0;
  if (args[0] == "enter") key = VK_RETURN;
  if (args[0] == "escape") key = VK_ESCAPE;
  if (key == 0) return "the key is enter or escape";
  HWND target = GetDlgItem(dialog_, IDOK);  // a control of the dialog, as the focus would be
  if (target == nullptr) target = dialog_;
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  return "";
}

std::string Session::WaitDialogClosed(const Args&) {
  if (dialog_ == nullptr) return "no dialog (wait-dialog first)";
  HWND dialog = dialog_;
  const std::string failure = WaitFor("closing of the dialog", [dialog] { return IsWindow(dialog) == FALSE; });
  if (failure.empty()) dialog_ = nullptr;
  return failure;
}
