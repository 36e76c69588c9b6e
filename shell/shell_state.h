#pragma once
#include <atomic>

#include "port/toolkit.h"

// The shell's process-wide handles. The main window handle is written once by
// the window thread and read by the update-check thread, so it is atomic.
struct ShellState {
  std::atomic<tk::Window> main_window{};
  tk::Instance instance;
  tk::Font shared_font;
  tk::Window pokemon_list;
  tk::Window page_tabs;
  tk::Window about_button;
  tk::Window options_button;
  tk::Window find_button;
  tk::ImageList type_icons;
};
ShellState& Shell();
// Back to "nothing created yet" (tests start from here).
void ResetShell();

// Zero until the main window exists: message boxes raised before then have no owner.
tk::Window MainWindow();
void SetMainWindow(tk::Window window);
tk::Instance AppInstance();
tk::Font SharedFont();
tk::ImageList TypeIconList();
