#pragma once
// Runs a session script against faunary.exe: starts it in its working
// folder, then acts and checks step by step with window messages, the way a
// user and a watcher would. Every wait has a time-out; the first failing step
// ends the session, and faunary is terminated if it is still running then.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "scenario.h"
#include "win32_driver.h"

struct SessionSetup {
  std::string exe;         // faunary.exe
  std::string work_dir;    // its working folder (data/, faunary.cfgx)
  std::string output_dir;  // screenshots go here
};

class Session {
 public:
  explicit Session(SessionSetup setup) : setup_(std::move(setup)) {}
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Prints each step and its outcome; true when every step passed.
  bool Run(const std::vector<Step>& steps);

 private:
  using Args = std::vector<std::string>;
  std::string Execute(const Step& step);  // "" when the step passed

  // Program and main window.
  std::string Start(const Args& args);
  std::string WaitMainWindow(const Args& args);
  std::string WaitMessageBox(const Args& args);
  std::string ExpectNoMessageBox(const Args& args);
  std::string ExpectWindowSize(const Args& args);
  std::string ExpectStyle(const Args& args);
  std::string ExpectControl(const Args& args);
  std::string ExpectText(const Args& args);
  std::string ExpectTextAt(const Args& args);
  // Combo boxes, tabs, list views.
  std::string ExpectComboEntries(const Args& args);
  std::string ExpectComboCount(const Args& args);
  std::string ExpectComboSelection(const Args& args);
  std::string ExpectTabCount(const Args& args);
  std::string ExpectTabSelection(const Args& args);
  std::string ExpectListCount(const Args& args);
  std::string ExpectListRow(const Args& args);
  std::string ExpectListImage(const Args& args);
  // The user's actions.
  std::string Pick(const Args& args);
  std::string SelectTab(const Args& args);
  std::string Click(const Args& args);
  std::string DoubleClickRow(const Args& args);
  std::string Screenshot(const Args& args);
  std::string Close(const Args& args);
  std::string WaitExit(const Args& args);
  // Modal dialogs.
  std::string WaitDialog(const Args& args);
  std::string ExpectDialogText(const Args& args);
  std::string ExpectDialogChecked(const Args& args);
  std::string ExpectDialogComboSelection(const Args& args);
  std::string DialogClick(const Args& args);
  std::string DialogSelect(const Args& args);
  std::string DialogKey(const Args& args);
  std::string WaitDialogClosed(const Args& args);
  // The settings file and the session's own settings.
  std::string ExpectConfig(const Args& args);
  std::string ExpectFileLines(const Args& args);
  std::string SetTimeout(const Args& args);

  // Polls `condition` until it holds, the time-out passes or faunary exits.
  std::string WaitFor(const char* what, const std::function<bool()>& condition);
  bool Exited() const;
  double MillisecondsSinceStart() const;
  HWND MainChild(int id) const;
  std::string DescribeOpenWindows() const;

  SessionSetup setup_;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
  LARGE_INTEGER started_at_{};
  HWND main_ = nullptr;
  HWND dialog_ = nullptr;
  DWORD timeout_ms_ = 30000;
};
