// The session's core: running the steps, starting and ending faunary,
// waiting, screenshots.
#include "session.h"

#include <cstdio>
#include <map>

#include "screen_capture.h"
#include "session_support.h"
#include "window_queries.h"

namespace {

struct Command {
  std::size_t min_args;
  std::size_t max_args;  // SIZE_MAX: any number
  std::string (Session::*run)(const std::vector<std::string>&);
};

constexpr std::size_t kAny = SIZE_MAX;

}  // namespace

Session::~Session() {
  if (!started_) return;
  if (!Exited()) {
    std::printf("faunary.exe is still running: terminating it\n");
    TerminateProcess(process_.hProcess, 3);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool Session::Run(const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    std::string shown = step.command;
    for (const std::string& arg : step.args) shown.append(" ").append(Show(arg));
    std::printf("line %d: %s\n", step.line, shown.c_str());
    std::fflush(stdout);
    const std::string failure = Execute(step);
    if (!failure.empty()) {
      std::printf("FAILED at line %d (%s): %s\n", step.line, step.command.c_str(), failure.c_str());
      if (started_) std::printf("%s", DescribeOpenWindows().c_str());
      std::fflush(stdout);
      return false;
    }
  }
  return true;
}

std::string Session::Execute(const Step& step) {
  using S = Session;
  static const std::map<std::string, Command> kCommands{
      {"start", {0, 0, &S::Start}},
      {"wait-main-window", {0, 0, &S::WaitMainWindow}},
      {"wait-message-box", {2, 3, &S::WaitMessageBox}},
      {"expect-no-message-box", {0, 0, &S::ExpectNoMessageBox}},
      {"expect-window-size", {2, 2, &S::ExpectWindowSize}},
      {"expect-style", {3, 3, &S::ExpectStyle}},
      {"expect-control", {6, 6, &S::ExpectControl}},
      {"expect-text", {2, 3, &S::ExpectText}},
      {"expect-text-at", {3, 4, &S::ExpectTextAt}},
      {"expect-combo-entries", {1, kAny, &S::ExpectComboEntries}},
      {"expect-combo-count", {2, 2, &S::ExpectComboCount}},
      {"expect-combo-selection", {2, 2, &S::ExpectComboSelection}},
      {"expect-tab-count", {2, 2, &S::ExpectTabCount}},
      {"expect-tab-selection", {2, 2, &S::ExpectTabSelection}},
      {"expect-list-count", {2, 2, &S::ExpectListCount}},
      {"expect-list-row", {3, kAny, &S::ExpectListRow}},
      {"expect-list-image", {3, 3, &S::ExpectListImage}},
      {"pick", {2, 2, &S::Pick}},
      {"select-tab", {2, 2, &S::SelectTab}},
      {"click", {1, 1, &S::Click}},
      {"double-click-row", {2, 2, &S::DoubleClickRow}},
      {"screenshot", {1, 1, &S::Screenshot}},
      {"close", {0, 0, &S::Close}},
      {"wait-exit", {1, 1, &S::WaitExit}},
      {"wait-dialog", {1, 1, &S::WaitDialog}},
      {"expect-dialog-text", {2, 3, &S::ExpectDialogText}},
      {"expect-dialog-checked", {2, 2, &S::ExpectDialogChecked}},
      {"expect-dialog-combo-selection", {2, 2, &S::ExpectDialogComboSelection}},
      {"dialog-click", {1, 1, &S::DialogClick}},
      {"dialog-select", {2, 2, &S::DialogSelect}},
      {"dialog-key", {1, 1, &S::DialogKey}},
      {"wait-dialog-closed", {0, 0, &S::WaitDialogClosed}},
      {"expect-config", {2, 2, &S::ExpectConfig}},
      {"expect-file-lines", {2, 2, &S::ExpectFileLines}},
      {"timeout", {1, 1, &S::SetTimeout}},
  };
  const auto found = kCommands.find(step.command);
  if (found == kCommands.end()) return "unknown command";
  const Command& command = found->second;
  if (step.args.size() < command.min_args || step.args.size() > command.max_args)
    return "wrong number of arguments";
  const bool needs_program = step.command != "start" && step.command != "timeout" &&
                             step.command != "expect-config" && step.command != "expect-file-lines";
  if (needs_program && !started_) return "faunary.exe has not been started";
  const bool needs_window = needs_program && step.command != "wait-main-window" &&
                            step.command != "wait-message-box" && step.command != "expect-no-message-box" &&
                            step.command != "wait-exit";
  if (needs_window && main_ == nullptr) return "no main window yet (wait-main-window first)";
  return (this->*command.run)(step.args);
}

std::string Session::WaitFor(const char* what, const std::function<bool()>& condition) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms_;
  for (;;) {
    if (condition()) return "";
    if (started_ && Exited()) {
      DWORD code = 0;
      GetExitCodeProcess(process_.hProcess, &code);
      return std::string("faunary.exe exited (code ") + std::to_string(code) + ") while waiting for " + what;
    }
    if (GetTickCount64() >= deadline)
      return std::string("no ") + what + " within " + std::to_string(timeout_ms_ / 1000) + " s";
    Sleep(50);
  }
}

bool Session::Exited() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }

double Session::MillisecondsSinceStart() const {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - started_at_.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

HWND Session::MainChild(int id) const { return GetDlgItem(main_, id); }

std::string Session::DescribeOpenWindows() const {
  std::string out;
  for (HWND window : TopWindowsOf(process_.dwProcessId, "")) {
    out += "  open window " + ClassName(window) + " " + Show(WindowText(window).value_or("?")) + "\n";
    if (ClassName(window) != "#32770") continue;
    for (HWND child : DirectChildren(window))
      out += "    item " + std::to_string(GetDlgCtrlID(child)) + " " + ClassName(child) + " " +
             Show(WindowText(child).value_or("?")) + "\n";
  }
  return out;
}

std::string Session::Start(const Args&) {
  if (started_) return "faunary.exe is already running";
  std::string command_line = "\"" + setup_.exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  QueryPerformanceCounter(&started_at_);
  if (CreateProcessA(setup_.exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     setup_.work_dir.c_str(), &startup, &process_) == FALSE)
    return "cannot start " + setup_.exe + " (error " + std::to_string(GetLastError()) + ")";
  started_ = true;
  return "";
}

std::string Session::WaitMainWindow(const Args&) {
  const std::string failure = WaitFor("main window (class \"FAUNARY\", title \"Faunary\")", [this] {
    HWND window = FindWindowA("FAUNARY", "Faunary");
    DWORD owner = 0;
    if (window != nullptr) GetWindowThreadProcessId(window, &owner);
    if (window == nullptr || owner != process_.dwProcessId || !IsWindowVisible(window)) return false;
    main_ = window;
    return true;
  });
  if (!failure.empty()) return failure;
  const double found = MillisecondsSinceStart();
  // Answers once start-up has reached the message loop (or a message box).
  if (!Sync(main_)) return "the main window does not answer";
  std::printf("startup: main window found after %.0f ms, answering after %.0f ms\n", found,
              MillisecondsSinceStart());
  return "";
}

std::string Session::Screenshot(const Args& args) {
  SetForegroundWindow(main_);
  RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (!Sync(main_)) return "the main window does not answer";
  Sleep(500);  // the X server shows what was drawn
  const std::string path = setup_.output_dir + "\\" + args[0];
  const std::string failure = CaptureWindow(main_, path);
  if (failure.empty()) std::printf("screenshot: %s\n", path.c_str());
  return failure;
}

std::string Session::Close(const Args&) {
  if (PostMessageA(main_, WM_CLOSE, 0, 0) == FALSE) return "cannot post WM_CLOSE";
  return "";
}

std::string Session::WaitExit(const Args& args) {
  const std::optional<int> expected = IntArg(args[0]);
  if (!expected) return "the exit code must be a number";
  if (WaitForSingleObject(process_.hProcess, timeout_ms_) != WAIT_OBJECT_0)
    return "faunary.exe did not exit within " + std::to_string(timeout_ms_ / 1000) + " s";
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  if (code != static_cast<DWORD>(*expected))
    return "exit code " + std::to_string(code) + ", expected " + std::to_string(*expected);
  main_ = nullptr;
  return "";
}

std::string Session::SetTimeout(const Args& args) {
  const std::optional<int> seconds = IntArg(args[0]);
  if (!seconds || *seconds <= 0) return "the time-out must be a positive number of seconds";
  timeout_ms_ = static_cast<DWORD>(*seconds) * 1000;
  return "";
}
