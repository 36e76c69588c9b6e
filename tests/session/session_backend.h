#pragma once
// What a session interpreter needs from the program it drives: readings of
// its windows and the user's actions, each done at once. The Windows driver
// does them with window messages from another process, the Qt one with the
// widgets of the program running in its own process.
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "contrast.h"

// Where a control is: on the main window, or on the dialog found by FindDialog.
enum class Window { kMain, kDialog };
constexpr int kItself = INT_MIN;  // as a control id: the window itself

// What Read gives, as the text a script compares it with (numbers in
// decimal): the text; a combo box's selected entry ("" for none) and entry
// count; a button's check state; a tab control's tab count and selection; a
// list view's row count, a row's column text and its image (an index in the
// type images); the window style; the outer size of the main window ("800x600").
enum class Reading {
  kText, kSelection, kEntryCount, kChecked, kTabCount, kTabSelection, kRowCount, kCell, kImage, kStyle, kSize
};
enum class Key { kEnter, kEscape };
// Keys pressed in the main window, to its focused control.
enum class MainKey { kEnter, kDown, kCtrlTab, kCtrlShiftTab, kCtrlPageDown, kCtrlPageUp, kCtrlF };

class SessionBackend {
 public:
  virtual ~SessionBackend() = default;

  // The program and its windows.
  virtual std::string Start() = 0;            // "" when started, otherwise why not
  virtual std::optional<int> ExitCode() = 0;  // nullopt while it runs
  virtual bool FindMainWindow() = 0;          // true once it is shown and answers
  virtual bool FindDialog(const std::string& title) = 0;  // a modal dialog of the main window
  virtual bool DialogOpen() = 0;
  virtual std::optional<std::string> MessageBoxText(const std::string& title) = 0;
  // The title of an open dialog or message box other than the session's dialog.
  virtual std::optional<std::string> OtherDialog() = 0;
  virtual std::string DescribeWindows() = 0;  // the open windows, for a failure report

  // What the user sees; nullopt when the control is missing or does not answer.
  virtual std::optional<std::string> Read(Window window, int id, Reading reading, int row, int column) = 0;
  virtual std::optional<std::vector<std::string>> Entries(Window window, int id) = 0;  // a combo box's
  // The texts of the main window's visible controls whose top left is x,y.
  virtual std::vector<std::string> TextsAt(int x, int y) = 0;
  // For every Pokemon on every tab, a line for each control (but `allowed`)
  // whose text does not fit it; nullopt where fonts cannot be measured.
  virtual std::optional<std::vector<std::string>> TextsThatDoNotFit(const std::vector<std::string>&) { return {}; }
  // The pixels a control of the main window (or the window itself, kItself)
  // shows on the screen; nullopt when they cannot be read.
  virtual std::optional<Pixels> ControlPixels(int) { return std::nullopt; }

  // What the user does; "" when done or under way, otherwise why it cannot be.
  virtual std::string Pick(Window window, int id, int entry) = 0;
  virtual std::string SelectTab(int id, int position) = 0;
  virtual std::string Click(Window window, int id) = 0;
  virtual std::string DoubleClick(int) { return "this driver cannot double-click a control"; }
  virtual std::string DoubleClickRow(Window window, int id, int row) = 0;
  virtual std::string PressKey(Key key) = 0;  // in the dialog
  // Typing into the edit field of a main-window combo box, key by key (it takes the focus).
  virtual std::string Type(int, const std::string&) { return "this driver cannot type"; }
  virtual std::string PressMainKey(MainKey) { return "this driver cannot press keys in the main window"; }
  virtual std::string ConfirmMessageBox(const std::string& title) = 0;
  virtual std::string Close() = 0;
  virtual std::string Screenshot(const std::string& name) = 0;
};
