#include "shell/shell_state.h"

ShellState& Shell() {
  static ShellState state;
  return state;
}

void ResetShell() {
  ShellState& s = Shell();
  s.main_window.store(tk::Window{}, std::memory_order_release);
  s.instance = {};
  s.shared_font = {};
  s.pokemon_list = {};
  s.page_tabs = {};
  s.about_button = {};
  s.options_button = {};
  s.type_icons = {};
}

tk::Window MainWindow() { return Shell().main_window.load(std::memory_order_acquire); }
void SetMainWindow(tk::Window window) { Shell().main_window.store(window, std::memory_order_release); }
tk::Instance AppInstance() { return Shell().instance; }
tk::Font SharedFont() { return Shell().shared_font; }
tk::ImageList TypeIconList() { return Shell().type_icons; }
