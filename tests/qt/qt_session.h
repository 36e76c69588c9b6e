#pragma once
// Runs a session script against the program in this very process, on the Qt
// backend: `start` runs the real start-up and message loop, and the steps
// run from a timer on the window thread, which keeps firing inside modal
// dialogs and message boxes. Actions are posted, so a click that opens a
// dialog does not hold up the steps that work it. True when every step passed.
#include <string>
#include <vector>

#include "session_script.h"

bool RunQtSession(std::vector<Step> steps, const std::string& output_dir);
