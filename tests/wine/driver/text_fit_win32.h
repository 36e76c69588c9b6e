#pragma once
// The text-fit check of the Windows program, from the driver's process: the
// shared walk, each text measured with DrawText in the font the program
// gives its controls, word-wrapped in the control's own rectangle as the
// control draws it.
#include <functional>
#include <string>
#include <vector>

#include "window_queries.h"

struct Win32FitActions {
  std::function<std::string(int)> show_tab;      // "" when shown
  std::function<std::string(int)> show_pokemon;  // "" when shown
};

std::vector<std::string> Win32TextsThatDoNotFit(HANDLE process, HWND main_window, const Win32FitActions& actions,
                                                const std::vector<std::string>& allowed);
