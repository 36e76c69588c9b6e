#pragma once
// What a session interpreter needs from the program it drives: a few
// readings of its windows and the user's actions, each done at once. The
// Windows driver does them with window messages from another process, the
// Qt one with the widgets of the program running in its own process.
//
// Readings give nullopt when the control is missing (or does not answer).
// Actions give "" when done or under way, otherwise why they cannot be.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Where a control is: on the main window, or on the dialog the session
// found with FindDialog.
enum class Window { kMain, kDialog };
enum class Key { kEnter, kEscape };

struct ComboState {
  std::vector<std::string> entries;
  int selected = -1;
};

struct TabState {
  int count = 0;
  int selected = -1;
};

class SessionBackend {
 public:
  virtual ~SessionBackend() = default;

  // The program and its windows.
  virtual std::string Start() = 0;
  virtual std::optional<int> ExitCode() = 0;  // nullopt while it runs
  virtual bool FindMainWindow() = 0;          // true once it is shown and answers
  virtual bool FindDialog(const std::string& title) = 0;  // a modal dialog the main window owns
  virtual bool DialogOpen() = 0;
  // The text of the open message box with that title.
  virtual std::optional<std::string> MessageBoxText(const std::string& title) = 0;
  // The title of an open dialog or message box other than the session's dialog.
  virtual std::optional<std::string> OtherDialog() = 0;
  // The open windows, for a failure report (lines that end in '\n').
  virtual std::string DescribeWindows() = 0;

  // What the user sees.
  virtual std::optional<std::string> Text(Window window, int id) = 0;
  // The texts of the main window's visible controls whose top left is x,y.
  virtual std::vector<std::string> TextsAt(int x, int y) = 0;
  virtual std::optional<ComboState> Combo(Window window, int id) = 0;
  virtual std::optional<int> CheckState(int id) = 0;  // a button of the dialog
  virtual std::optional<TabState> Tabs(int id) = 0;
  virtual std::optional<int> ListRows(int id) = 0;
  virtual std::optional<std::string> ListCell(int id, int row, int column) = 0;
  virtual std::optional<int> ListImage(int id, int row) = 0;  // index in the type images
  virtual std::optional<std::uint32_t> Style(std::optional<int> id) = 0;  // nullopt: the main window's
  virtual std::optional<std::pair<int, int>> WindowSize() = 0;             // outer, frame included
  // Lines naming the controls whose texts overflow them, on every tab for
  // every Pokemon, except `allowed`; nullopt where fonts cannot be measured.
  virtual std::optional<std::vector<std::string>> TextsThatDoNotFit(const std::vector<std::string>& allowed) = 0;

  // What the user does.
  virtual std::string Pick(Window window, int id, int entry) = 0;
  virtual std::string SelectTab(int id, int position) = 0;
  virtual std::string Click(Window window, int id) = 0;
  virtual std::string DoubleClick(int id) = 0;
  virtual std::string DoubleClickRow(int id, int row) = 0;
  virtual std::string PressKey(Key key) = 0;  // in the dialog
  virtual std::string ConfirmMessageBox(const std::string& title) = 0;
  virtual std::string Close() = 0;
  virtual std::string Screenshot(const std::string& name) = 0;
};
