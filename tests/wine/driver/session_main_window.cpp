// Steps on the main window and the page showing in it: what it shows, and
// the user's picks, tab clicks and button clicks.
#include <algorithm>
#include <cstdlib>
#include <cstdio>

#include "session.h"
#include "session_support.h"
#include "window_queries.h"

namespace {

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}

bool SameClass(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// A number, or "h-N": the main window's client height less N (positions
// that depend on the height of the caption the system draws).
std::optional<int> ClientHeightArg(const std::string& word, int client_height) {
  if (word.rfind("h-", 0) != 0) return IntArg(word);
  const std::optional<int> less = IntArg(word.substr(2));
  return less ? std::optional<int>(client_height - *less) : std::nullopt;
}

// Acts like input: delivered after anything sent before, without waiting.
void Notify(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  SendNotifyMessageA(window, message, wparam, lparam);
}

}  // namespace

std::string Session::ExpectWindowSize(const Args& args) {
  const std::optional<int> width = IntArg(args[0]), height = IntArg(args[1]);
  if (!width || !height) return "width and height must be numbers";
  RECT rect{};
  GetWindowRect(main_, &rect);
  if (rect.right - rect.left != *width || rect.bottom - rect.top != *height)
    return "outer size " + std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
  return "";
}

std::string Session::ExpectStyle(const Args& args) {
  HWND window = args[0] == "main" ? main_ : nullptr;
  if (window == nullptr) {
    const std::optional<int> id = IntArg(args[0]);
    if (!id) return "the target is \"main\" or a control id";
    window = MainChild(*id);
    if (window == nullptr) return "no control " + args[0];
  }
  const std::optional<int> mask = IntArg(args[1]), value = IntArg(args[2]);
  if (!mask || !value) return "mask and value must be numbers";
  const auto style = static_cast<std::uint32_t>(GetWindowLongPtrA(window, GWL_STYLE));
  const auto masked = style & static_cast<std::uint32_t>(*mask);
  if (masked != static_cast<std::uint32_t>(*value)) {
    char text[64];
    std::snprintf(text, sizeof text, "style 0x%08X, masked 0x%08X", style, masked);
    return text;
  }
  return "";
}

std::string Session::ExpectControl(const Args& args) {
  RECT client{};
  GetClientRect(main_, &client);
  const std::optional<int> id = IntArg(args[0]);
  const std::optional<int> x = IntArg(args[2]), y = ClientHeightArg(args[3], client.bottom),
                           width = IntArg(args[4]), height = ClientHeightArg(args[5], client.bottom);
  if (!id || !x || !y || !width || !height) return "id, x, y, width and height must be numbers (or h-N)";
  HWND control = MainChild(*id);
  if (control == nullptr) return "no control " + args[0];
  if (!SameClass(ClassName(control), args[1])) return "class " + ClassName(control);
  const RECT rect = RectInParent(control);
  const RECT expected{*x, *y, *x + *width, *y + *height};
  if (!EqualRect(&rect, &expected)) return "placed at " + RectText(rect) + ", expected " + RectText(expected);
  return "";
}

std::string Session::ExpectText(const Args& args) {
  const std::optional<int> id = IntArg(args[0]);
  const std::optional<TextExpectation> expected = ExpectationAt(args, 1);
  if (!id || !expected) return "usage: expect-text <id> [prefix] \"text\"";
  HWND control = MainChild(*id);
  if (control == nullptr) return "no control " + args[0];
  const std::optional<std::string> shown = WindowText(control);
  if (!shown) return "the control does not answer";
  return expected->Matches(*shown) ? "" : Mismatch(*expected, *shown);
}

std::string Session::ExpectTextAt(const Args& args) {
  const std::optional<int> x = IntArg(args[0]), y = IntArg(args[1]);
  const std::optional<TextExpectation> expected = ExpectationAt(args, 2);
  if (!x || !y || !expected) return "usage: expect-text-at <x> <y> [prefix] \"text\"";
  std::vector<HWND> found;
  for (HWND child : DirectChildren(main_)) {
    const RECT rect = RectInParent(child);
    if (rect.left == *x && rect.top == *y && IsWindowVisible(child)) found.push_back(child);
  }
  if (found.empty()) return "no visible control at " + args[0] + "," + args[1];
  if (found.size() > 1) return std::to_string(found.size()) + " controls at " + args[0] + "," + args[1];
  const std::optional<std::string> shown = WindowText(found.front());
  if (!shown) return "the control does not answer";
  return expected->Matches(*shown) ? "" : Mismatch(*expected, *shown);
}

std::string Session::ExpectComboEntries(const Args& args) {
  const std::optional<int> id = IntArg(args[0]);
  if (!id) return "the id must be a number";
  const std::optional<std::vector<std::string>> entries = ComboEntries(MainChild(*id));
  if (!entries) return "the combo box does not answer";
  const std::vector<std::string> expected(args.begin() + 1, args.end());
  if (*entries == expected) return "";
  std::string shown;
  for (const std::string& entry : *entries) shown.append(" ").append(Show(entry));
  if (shown.empty()) shown = " none";
  return std::string("entries are").append(shown);
}

std::string Session::ExpectComboCount(const Args& args) {
  const std::optional<int> id = IntArg(args[0]), count = IntArg(args[1]);
  if (!id || !count) return "id and count must be numbers";
  const std::optional<std::vector<std::string>> entries = ComboEntries(MainChild(*id));
  if (!entries) return "the combo box does not answer";
  if (entries->size() != static_cast<std::size_t>(*count)) return std::to_string(entries->size()) + " entries";
  return "";
}

std::string Session::ExpectComboSelection(const Args& args) {
  const std::optional<int> id = IntArg(args[0]);
  if (!id) return "the id must be a number";
  HWND combo = MainChild(*id);
  const std::optional<std::vector<std::string>> entries = ComboEntries(combo);
  if (!entries) return "the combo box does not answer";
  const auto selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
  const std::string shown =
      selected >= 0 && static_cast<std::size_t>(selected) < entries->size() ? (*entries)[static_cast<std::size_t>(selected)] : "";
  return shown == args[1] ? "" : Mismatch({args[1], false}, shown);
}

std::string Session::ExpectTabCount(const Args& args) {
  const std::optional<int> id = IntArg(args[0]), count = IntArg(args[1]);
  if (!id || !count) return "id and count must be numbers";
  const auto shown = static_cast<int>(SendMessageA(MainChild(*id), TCM_GETITEMCOUNT, 0, 0));
  return shown == *count ? "" : std::to_string(shown) + " tabs";
}

std::string Session::ExpectTabSelection(const Args& args) {
  const std::optional<int> id = IntArg(args[0]), position = IntArg(args[1]);
  if (!id || !position) return "id and position must be numbers";
  const auto shown = static_cast<int>(SendMessageA(MainChild(*id), TCM_GETCURSEL, 0, 0));
  return shown == *position ? "" : "tab " + std::to_string(shown) + " is selected";
}

std::string Session::ExpectListCount(const Args& args) {
  const std::optional<int> id = IntArg(args[0]), count = IntArg(args[1]);
  if (!id || !count) return "id and count must be numbers";
  HWND list = MainChild(*id);
  if (list == nullptr) return "no list " + args[0];
  const auto shown = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  return shown == *count ? "" : std::to_string(shown) + " rows";
}

std::string Session::ExpectListRow(const Args& args) {
  const std::optional<int> id = IntArg(args[0]), row = IntArg(args[1]);
  if (!id || !row) return "id and row must be numbers";
  HWND list = MainChild(*id);
  if (list == nullptr) return "no list " + args[0];
  for (std::size_t column = 0; column + 2 < args.size(); ++column) {
    const std::optional<std::string> shown = ListViewCell(process_.hProcess, list, *row, static_cast<int>(column));
    if (!shown) return "cannot read row " + args[1] + " column " + std::to_string(column);
    if (*shown != args[column + 2])
      return "column " + std::to_string(column) + ": " + Mismatch({args[column + 2], false}, *shown);
  }
  return "";
}

std::string Session::ExpectListImage(const Args& args) {
  const std::optional<int> id = IntArg(args[0]), row = IntArg(args[1]), image = IntArg(args[2]);
  if (!id || !row || !image) return "id, row and image must be numbers";
  HWND list = MainChild(*id);
  if (list == nullptr) return "no list " + args[0];
  const std::optional<int> shown = ListViewImage(process_.hProcess, list, *row);
  if (!shown) return "cannot read row " + args[1];
  return *shown == *image ? "" : "image " + std::to_string(*shown);
}

std::string Session::Pick(const Args& args) {
  const std::optional<int> id = IntArg(args[0]);
  if (!id) return "the id must be a number";
  HWND combo = MainChild(*id);
  const std::optional<std::vector<std::string>> entries = ComboEntries(combo);
  if (!entries) return "the combo box does not answer";
  const auto it = std::find(entries->begin(), entries->end(), args[1]);
  if (it == entries->end()) return "no entry " + Show(args[1]);
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(it - entries->begin()), 0);
  // What the list sends its parent when the user clicks an entry.
  Notify(main_, WM_COMMAND, MAKEWPARAM(*id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  return Sync(main_) ? "" : "the main window does not answer";
}

std::string Session::SelectTab(const Args& args) {
  const std::optional<int> id = IntArg(args[0]), position = IntArg(args[1]);
  if (!id || !position) return "id and position must be numbers";
  HWND tabs = MainChild(*id);
  if (tabs == nullptr) return "no tab control " + args[0];
  // WM_NOTIFY cannot be sent from another process, so the tab control is
  // made to send it itself: a click in the middle of the tab, or, when the
  // tab is scrolled out of sight, the arrow keys from the tab selected now.
  RECT client{};
  GetClientRect(tabs, &client);
  const std::optional<RECT> rect = TabItemRect(process_.hProcess, tabs, *position);
  POINT middle{};
  if (rect) middle = {(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2};
  if (rect && PtInRect(&client, middle) && rect->right <= client.right) {
    const LPARAM at = MAKELPARAM(middle.x, middle.y);
    Notify(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Notify(tabs, WM_LBUTTONUP, 0, at);
  } else {
    const auto selected = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    const WPARAM key = *position > selected ? VK_RIGHT : VK_LEFT;
    for (int step = 0; step < std::abs(*position - selected); ++step) {
      Notify(tabs, WM_KEYDOWN, key, 1);
      Notify(tabs, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }
  }
  const std::string failure = WaitFor("tab selection", [&] {
    return static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)) == *position;
  });
  if (!failure.empty()) return failure;
  return Sync(main_) ? "" : "the main window does not answer";
}

std::string Session::Click(const Args& args) {
  const std::optional<int> id = IntArg(args[0]);
  if (!id) return "the id must be a number";
  HWND button = MainChild(*id);
  if (button == nullptr) return "no button " + args[0];
  Notify(button, BM_CLICK, 0, 0);
  // Answers when the click is handled, or once a modal dialog it opened runs.
  return Sync(main_) ? "" : "the main window does not answer";
}

std::string Session::DoubleClickRow(const Args& args) {
  const std::optional<int> id = IntArg(args[0]), row = IntArg(args[1]);
  if (!id || !row) return "id and row must be numbers";
  HWND list = MainChild(*id);
  if (list == nullptr) return "no list " + args[0];
  const std::optional<RECT> rect = ListViewRowRect(process_.hProcess, list, *row);
  if (!rect) return "row " + args[1] + " has no rectangle";
  // The first click of a double-click selects the row; the list view then
  // reports the double-click to its parent itself (NM_DBLCLK).
  if (!ListViewSelectRow(process_.hProcess, list, *row)) return "cannot select row " + args[1];
  const LPARAM at = MAKELPARAM((rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2);
  Notify(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  Notify(list, WM_LBUTTONUP, 0, at);
  // Answers when the double-click is handled, or once a dialog it opened runs.
  return Sync(main_) ? "" : "the main window does not answer";
}
