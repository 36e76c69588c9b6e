// faunary_wine_driver <faunary.exe> <working-folder> <session-script> <output-folder>
// The end-to-end test's driver: runs one session script against the real
// program (under Wine in the test, on Windows just as well): starts it in its
// working folder, then acts and checks step by step with window messages,
// the way a user and a watcher would. Exits 0 when every step passed, 1
// otherwise (faunary is terminated if it still runs then), 2 on bad usage.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "port/control_ids.h"
#include "session_interpreter.h"
#include "text_fit_win32.h"
#include "window_queries.h"

namespace {

struct SessionSetup {
  std::string exe;         // faunary.exe
  std::string work_dir;    // its working folder (data/, faunary.cfgx)
  std::string output_dir;  // screenshots go here
};

constexpr const char* kDialogClass = "#32770";  // dialogs and message boxes

// Acts like input: delivered after anything sent before, without waiting.
void Notify(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  SendNotifyMessageA(window, message, wparam, lparam);
}

// The key pressed with Ctrl for a main-window shortcut, or nothing.
std::optional<WORD> CtrlKeyCode(MainKey key) {
  switch (key) {
    case MainKey::kCtrlTab:
    case MainKey::kCtrlShiftTab: return VK_TAB;
    case MainKey::kCtrlPageDown: return VK_NEXT;
    case MainKey::kCtrlPageUp: return VK_PRIOR;
    case MainKey::kCtrlF: return 'F';
    default: return std::nullopt;
  }
}

INPUT KeyInput(WORD code, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = code;
  input.ki.dwFlags = flags;
  return input;
}

LPARAM Middle(const RECT& rect) { return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2); }

// faunary.exe in another process as a session's backend: window messages
// sent with time-outs, list-view structures through memory placed in
// faunary's process, screenshots from the screen.
class Win32Backend final : public SessionBackend {
 public:
  explicit Win32Backend(const SessionSetup& setup) : setup_(setup) {}
  ~Win32Backend() override {
    if (process_.hProcess != nullptr && !ExitCode()) {
      std::printf("faunary.exe is still running: terminating it\n");
      TerminateProcess(process_.hProcess, 3);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseProcess();
  }
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  std::string Start() override {
    CloseProcess();
    main_ = dialog_ = nullptr;
    std::string command_line = "\"" + setup_.exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (CreateProcessA(setup_.exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       setup_.work_dir.c_str(), &startup, &process_) != FALSE)
      return "";
    process_ = {};
    return "cannot start " + setup_.exe + " (error " + std::to_string(GetLastError()) + ")";
  }
  std::optional<int> ExitCode() override {
    DWORD code = 0;
    if (process_.hProcess == nullptr || WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0 ||
        GetExitCodeProcess(process_.hProcess, &code) == FALSE)
      return std::nullopt;
    return static_cast<int>(code);
  }
  // Found once start-up has reached the message loop (or a message box).
  bool FindMainWindow() override {
    for (HWND window : TopWindowsOf(process_.dwProcessId, "FAUNARY"))
      if (WindowText(window) == "Faunary" && Sync(window)) main_ = window;
    return main_ != nullptr;
  }
  bool FindDialog(const std::string& title) override {
    for (HWND window : TopWindowsOf(process_.dwProcessId, kDialogClass))
      if (GetWindow(window, GW_OWNER) == main_ && WindowText(window).value_or("") == title && Sync(window)) {
        dialog_ = window;
        return true;
      }
    return false;
  }
  bool DialogOpen() override { return IsWindow(dialog_) != FALSE; }
  // The text is the box's longest static text (the other static is the icon).
  std::optional<std::string> MessageBoxText(const std::string& title) override {
    HWND box = FindMessageBox(title);
    if (box == nullptr) return std::nullopt;
    std::string shown;
    for (HWND child : DirectChildren(box)) {
      const bool is_static = lstrcmpiA(ClassName(child).c_str(), "Static") == 0;
      const std::string text = is_static ? WindowText(child).value_or("") : "";
      if (text.size() > shown.size()) shown = text;
    }
    return shown;
  }
  std::optional<std::string> OtherDialog() override {
    for (HWND window : TopWindowsOf(process_.dwProcessId, kDialogClass))
      if (window != dialog_) return WindowText(window).value_or("?");
    return std::nullopt;
  }
  std::string DescribeWindows() override {
    std::string out;
    for (HWND window : TopWindowsOf(process_.dwProcessId, "")) {
      out += "  open window " + ClassName(window) + " \"" + WindowText(window).value_or("?") + "\"\n";
      for (HWND child : ClassName(window) == kDialogClass ? DirectChildren(window) : std::vector<HWND>())
        out += "    item " + std::to_string(GetDlgCtrlID(child)) + " " + ClassName(child) + " \"" +
               WindowText(child).value_or("?") + "\"\n";
    }
    return out;
  }

  std::optional<std::string> Read(Window window, int id, Reading reading, int row, int column) override {
    HWND control = Item(window, id);
    const auto number = [](std::optional<int> n) { return n ? std::optional(std::to_string(*n)) : std::nullopt; };
    LVITEMA item{};
    item.iItem = row;
    item.iSubItem = column;
    item.mask = LVIF_IMAGE;
    switch (reading) {
      case Reading::kText: return WindowText(control);
      case Reading::kSelection: {
        const std::optional<std::vector<std::string>> entries = ComboEntries(control);
        const auto selected = static_cast<std::size_t>(Ask(control, CB_GETCURSEL).value_or(-1));
        if (!entries) return std::nullopt;
        return selected < entries->size() ? (*entries)[selected] : "";
      }
      case Reading::kEntryCount: return number(Ask(control, CB_GETCOUNT));
      case Reading::kChecked: return number(Ask(control, BM_GETCHECK));
      case Reading::kTabCount: return number(Ask(control, TCM_GETITEMCOUNT));
      case Reading::kTabSelection: return number(Ask(control, TCM_GETCURSEL));
      case Reading::kRowCount: return number(Ask(control, LVM_GETITEMCOUNT));
      case Reading::kCell: {
        const auto got = SendRemote(process_.hProcess, control, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), item);
        return got && got->answer >= 0 ? std::optional(got->text) : std::nullopt;
      }
      case Reading::kImage: {
        const auto got = SendRemote(process_.hProcess, control, LVM_GETITEMA, 0, item);
        return number(got && got->answer != FALSE ? std::optional(got->item.iImage) : std::nullopt);
      }
      case Reading::kStyle:
        if (control == nullptr) return std::nullopt;
        return std::to_string(static_cast<std::uint32_t>(GetWindowLongPtrA(control, GWL_STYLE)));
      case Reading::kSize: {
        RECT rect{};
        if (GetWindowRect(control, &rect) == FALSE) return std::nullopt;
        return std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
      }
    }
    return std::nullopt;
  }
  std::optional<std::vector<std::string>> Entries(Window window, int id) override {
    return ComboEntries(Item(window, id));
  }
  // Tabs and Pokemon picked as the user does; the texts measured from here.
  std::optional<std::vector<std::string>> TextsThatDoNotFit(const std::vector<std::string>& allowed) override {
    const Win32FitActions actions{[this](int tab) { return SelectTab(kPageTabsId, tab); },
                                  [this](int row) { return Pick(Window::kMain, kPokemonListId, row); }};
    return Win32TextsThatDoNotFit(process_.hProcess, main_, actions, allowed);
  }
  std::vector<std::string> TextsAt(int x, int y) override {
    std::vector<std::string> texts;
    for (HWND child : DirectChildren(main_)) {
      const RECT rect = RectInParent(child);
      if (LayoutPixels(rect.left) == x && LayoutPixels(rect.top) == y && IsWindowVisible(child)) texts.push_back(WindowText(child).value_or("?"));
    }
    return texts;
  }

  std::string Pick(Window window, int id, int entry) override {
    HWND combo = Item(window, id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    // What the list sends its parent when the user clicks an entry.
    Notify(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    return Answered();
  }
  // WM_NOTIFY cannot be sent from another process, so the tab control is made
  // to send it itself: the arrow keys from the tab selected now.
  std::string SelectTab(int id, int position) override {
    HWND tabs = Item(Window::kMain, id);
    const std::optional<int> selected = Ask(tabs, TCM_GETCURSEL);
    if (!selected) return "no tab control " + std::to_string(id);
    const WPARAM key = position > *selected ? VK_RIGHT : VK_LEFT;
    for (int step = 0; step < std::abs(position - *selected); ++step) {
      Notify(tabs, WM_KEYDOWN, key, 1);
      Notify(tabs, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }
    return Answered();
  }
  // Answers when the click is handled, or once a modal dialog it opened runs.
  std::string Click(Window window, int id) override {
    HWND button = Item(window, id);
    if (button == nullptr) return "no button " + std::to_string(id);
    Notify(button, BM_CLICK, 0, 0);
    return Answered();
  }
  // Real mouse input at the control's middle: a greyed control gets none
  // itself, so only the system's own routing shows what the user gets.
  std::string DoubleClick(int id) override {
    HWND control = Item(Window::kMain, id);
    RECT rect{};
    if (control == nullptr || GetWindowRect(control, &rect) == FALSE) return "no control " + std::to_string(id);
    // Two clicks at the middle, each event carrying the position (absolute:
    // 0-65535 across the screen): under Wine, the X server's own pointer
    // may move the cursor back when a dialog closes under it.
    INPUT clicks[4]{};
    for (int i = 0; i < 4; ++i) {
      clicks[i].type = INPUT_MOUSE;
      clicks[i].mi.dx = MulDiv((rect.left + rect.right) / 2, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
      clicks[i].mi.dy = MulDiv((rect.top + rect.bottom) / 2, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
      const DWORD button = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
      clicks[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    }
    if (SendInput(4, clicks, sizeof(INPUT)) != 4) return "cannot send mouse input";
    return Answered();
  }
  // The first click of a double-click selects the row; the list view then
  // reports the double-click to its parent itself (NM_DBLCLK).
  std::string DoubleClickRow(Window window, int id, int row) override {
    HWND list = Item(window, id);
    RECT label{};
    label.left = LVIR_LABEL;  // which part of the row, as the message expects it
    LVITEMA selected{};
    selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    const auto rect = SendRemote(process_.hProcess, list, LVM_GETITEMRECT, static_cast<WPARAM>(row), label);
    const auto select = SendRemote(process_.hProcess, list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), selected);
    if (!rect || rect->answer == FALSE || !select || select->answer == FALSE)
      return "cannot select row " + std::to_string(row) + " of list " + std::to_string(id);
    Notify(list, WM_LBUTTONDBLCLK, MK_LBUTTON, Middle(rect->item));
    Notify(list, WM_LBUTTONUP, 0, Middle(rect->item));
    return Answered();
  }
  // Posted as the keyboard delivers it, so that the dialog's own message loop
  // gives it to the dialog manager; to a control, as the focus would be.
  std::string PressKey(Key key) override {
    HWND target = GetDlgItem(dialog_, IDOK);
    if (target == nullptr) target = dialog_;
    const WPARAM code = key == Key::kEnter ? VK_RETURN : VK_ESCAPE;
    PostMessageA(target, WM_KEYDOWN, code, 1);
    PostMessageA(target, WM_KEYUP, code, static_cast<LPARAM>(0xC0000001u));
    return "";
  }
  // Characters to the combo box's edit field, as the keyboard gives them;
  // later keys go to the same field.
  std::string Type(int id, const std::string& text) override {
    HWND edit = FindWindowExA(Item(Window::kMain, id), nullptr, "Edit", nullptr);
    if (edit == nullptr) return "no edit field in " + std::to_string(id);
    typed_in_ = edit;
    Notify(edit, EM_SETSEL, 0, -1);
    for (const char c : text) Notify(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    return Answered();
  }
  // Keys with Ctrl are real keyboard input to the foreground window (a key
  // message from another process cannot hold Ctrl down); the others go to the
  // field typed in.
  std::string PressMainKey(MainKey key) override {
    if (const std::optional<WORD> code = CtrlKeyCode(key)) {
      const bool shift = key == MainKey::kCtrlShiftTab;
      std::vector<WORD> codes{VK_CONTROL};
      if (shift) codes.push_back(VK_SHIFT);
      codes.push_back(*code);
      std::vector<INPUT> keys;
      for (const WORD down : codes) keys.push_back(KeyInput(down, 0));
      for (auto up = codes.rbegin(); up != codes.rend(); ++up) keys.push_back(KeyInput(*up, KEYEVENTF_KEYUP));
      SetForegroundWindow(main_);
      HWND tabs = GetDlgItem(main_, kPageTabsId);
      const std::optional<int> before = Ask(tabs, TCM_GETCURSEL);
      const auto count = static_cast<UINT>(keys.size());
      if (SendInput(count, keys.data(), sizeof(INPUT)) != count) return "cannot send keyboard input";
      if (key == MainKey::kCtrlF) return Answered();
      // Keyboard input is read after any message sent meanwhile, so a reply
      // proves nothing: wait until the tab strip has moved.
      for (int tries = 0; tries < 500; ++tries) {
        const std::optional<int> now = Ask(tabs, TCM_GETCURSEL);
        if (!now) return "the program does not answer";
        if (now != before) return "";
        Sleep(10);
      }
      return "the tabs did not switch";
    }
    if (key != MainKey::kEnter && key != MainKey::kDown) return "this driver presses only enter, down and the ctrl keys";
    if (typed_in_ == nullptr) return "type first: keys go to the field typed in";
    const WPARAM code = key == MainKey::kEnter ? VK_RETURN : VK_DOWN;
    Notify(typed_in_, WM_KEYDOWN, code, 1);
    Notify(typed_in_, WM_KEYUP, code, static_cast<LPARAM>(0xC0000001u));
    return Answered();
  }
  std::string ConfirmMessageBox(const std::string& title) override {
    HWND ok = GetDlgItem(FindMessageBox(title), IDOK);
    if (ok == nullptr) return "the message box has no OK button";
    Notify(ok, BM_CLICK, 0, 0);
    return "";
  }
  std::string Close() override { return PostMessageA(main_, WM_CLOSE, 0, 0) != FALSE ? "" : "cannot post WM_CLOSE"; }
  std::optional<Pixels> ControlPixels(int id) override {
    HWND control = Item(Window::kMain, id);
    if (control == nullptr || !IsWindowVisible(control) || !Sync(main_)) return std::nullopt;
    SetForegroundWindow(main_);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (!Sync(main_)) return std::nullopt;
    Sleep(300);  // the X server shows what was drawn
    std::optional<ImageResource> image = ScreenPixels(control);
    if (!image) return std::nullopt;
    return Pixels{image->width, image->height, std::move(image->pixels)};
  }
  std::string Screenshot(const std::string& name) override {
    // The dialog when one is open, as the Qt driver does.
    HWND shown = DialogOpen() ? dialog_ : main_;
    SetForegroundWindow(shown);
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (!Sync(main_)) return "the main window does not answer";
    Sleep(500);  // the X server shows what was drawn
    const std::string path = setup_.output_dir + "\\" + name;
    const std::string failure = CaptureWindow(shown, path);
    if (failure.empty()) std::printf("screenshot: %s\n", path.c_str());
    return failure;
  }

 private:
  HWND typed_in_ = nullptr;
  HWND Item(Window window, int id) const {
    HWND parent = window == Window::kMain ? main_ : dialog_;
    return id == kItself ? parent : GetDlgItem(parent, id);
  }
  // The main window's thread runs its dialogs too; it answers once the action is handled.
  std::string Answered() const { return Sync(main_) ? "" : "the program does not answer"; }
  HWND FindMessageBox(const std::string& title) const {
    for (HWND window : TopWindowsOf(process_.dwProcessId, kDialogClass))
      if (WindowText(window).value_or("") == title) return window;
    return nullptr;
  }
  void CloseProcess() {
    if (process_.hProcess == nullptr) return;
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
  }

  SessionSetup setup_;
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
  HWND dialog_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: faunary_wine_driver <faunary.exe> <working-folder> <session-script> <output-folder>\n");
    return 2;
  }
  ParsedScript parsed = ReadScript(argv[3]);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "%s\n", parsed.error.c_str());
    return 2;
  }
  using State = SessionInterpreter::State;
  State state = State::kRunning;
  {
    Win32Backend backend({argv[1], argv[2], argv[4]});
    SessionInterpreter session(backend, std::move(parsed.steps), argv[2]);
    while ((state = session.Tick()) == State::kRunning || state == State::kWaiting)
      if (state == State::kWaiting) Sleep(50);
  }
  const bool passed = state == State::kPassed;
  std::printf("%s: %s\n", argv[3], passed ? "PASSED" : "FAILED");
  return passed ? 0 : 1;
}
