#pragma once
// Runs a session script against a backend, one attempt at a time: each Tick
// tries the current step once. A step passes, fails, or waits (for a window,
// a tab, the program's exit) until its time-out; its action, if any, is taken
// on the first attempt only. The Windows driver ticks in a loop with short
// sleeps; the Qt one from a timer, so that the program's own event loops and
// modal dialogs keep running between ticks.
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "session_backend.h"
#include "session_script.h"

// A step's outcome: passed, failed, or still waiting.
struct StepResult {
  bool waiting = false;
  std::string failure;  // while waiting: what the step waits for
};

class SessionInterpreter {
 public:
  enum class State { kRunning, kWaiting, kPassed, kFailed };
  // Files the program writes (faunary.cfgx) are read in `work_dir` ("" = here).
  SessionInterpreter(SessionBackend& backend, std::vector<Step> steps, std::string work_dir);
  // Prints each step as it starts, and what failed with the open windows.
  State Tick();

 private:
  using Args = std::vector<std::string>;
  enum class Needs { kNothing, kProgram, kMainWindow, kDialog };
  struct Command {
    std::size_t min_args, max_args;
    Needs needs;
    std::function<StepResult(const Args&)> run;
  };

  StepResult Execute(const Step& step);
  std::optional<std::string> ReadWorkFile(const std::string& name) const;
  void AddCommands();

  SessionBackend& backend_;
  std::vector<Step> steps_;
  std::string work_dir_;
  std::map<std::string, Command> commands_;
  std::size_t next_ = 0;
  bool step_started_ = false, acted_ = false;
  bool started_ = false, main_window_ = false, dialog_ = false;
  std::chrono::steady_clock::time_point step_start_, program_start_;
  std::chrono::seconds timeout_{30};
};
