#pragma once
// Runs a session script against faunary.exe: starts it in its working
// folder, then acts and checks step by step with window messages, the way a
// user and a watcher would. Every wait has a time-out; the first failing step
// ends the session, and faunary is terminated if it is still running then.
// True when every step passed.
#include <string>
#include <vector>

#include "session_script.h"

struct SessionSetup {
  std::string exe;         // faunary.exe
  std::string work_dir;    // its working folder (data/, faunary.cfgx)
  std::string output_dir;  // screenshots go here
};

bool RunWin32Session(std::vector<Step> steps, const SessionSetup& setup);
