#pragma once
// The in-memory backend's own interface: its "screen" (every window, control,
// dialog and message box, as a data structure) and the user's hands (pick a
// list entry, click a button, select a tab, double-click a row, script the
// next modal dialog, close the window). Tests and the text front end use it;
// the program itself only sees port/toolkit.h.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "port/toolkit.h"

namespace memtk {

struct ComboEntry {
  std::string text;
  std::intptr_t data = 0;
};

struct ListColumn {
  std::string title;
  int width = 0;
};

struct ListRow {
  std::vector<std::string> texts;  // [0] the row's text, [n] sub-item n ("" when unset)
  int image = tk::kNoImage;
  std::intptr_t data = 0;
};

struct TabItem {
  std::string text;
  std::intptr_t data = 0;
};

struct BitmapInfo {
  int resource_id = 0;
  int width = 0;   // as loaded (stretched size, or the resource's own)
  int height = 0;
  bool deleted = false;
};

struct ImageListInfo {
  int width = 0;
  int height = 0;
  unsigned flags = 0;
  int initial = 0;
  int grow = 0;
  tk::Colour background;
  std::vector<int> images;  // resource ids of the bitmaps added, in order
  bool destroyed = false;
};

// One window: the main window, a control, a dialog or a dialog's control.
struct Control {
  tk::Window handle;
  std::string class_name;
  std::string window_name;  // as created (the text the creator gave)
  std::string text;         // what it shows now
  int id = 0;
  std::uint32_t style = 0;
  tk::Rect rect;            // left, top, right, bottom in the parent's coordinates
  tk::Window parent;
  bool enabled = true;
  bool destroyed = false;
  tk::Font font;
  int invalidations = 0;
  // Buttons.
  bool checked = false;
  // Combo boxes.
  std::vector<ComboEntry> entries;
  int selection = -1;
  // List views.
  std::vector<ListColumn> columns;
  std::vector<ListRow> rows;
  int selected_row = -1;
  tk::ImageList small_images;
  // Tab controls.
  std::vector<TabItem> tabs;
  int tab_selection = -1;
  // SS_BITMAP statics.
  tk::Bitmap bitmap;
};

struct MessageBoxShown {
  tk::Window owner;
  std::string text;
  std::string title;
  unsigned type = 0;
  bool main_window_existed = false;  // whether any top window existed at that moment
};

struct TopWindowInfo {
  std::string class_name;
  std::string title;
  std::uint32_t style = 0;
  int x = 0, y = 0, width = 0, height = 0;
  int show_command = -1;  // -1 until shown
  unsigned class_style = 0;
  int icon_resource = 0;
  int background_brush = 0;
  std::vector<std::pair<char, int>> button_shortcuts;  // Ctrl+letter, button id
};

class Dialog;
using DialogScript = std::function<void(Dialog&)>;

// A modal dialog while its script runs. Actions send the procedure what
// Windows would; reads see the dialog's controls.
class Dialog {
 public:
  explicit Dialog(tk::Window handle) : handle_(handle) {}
  tk::Window handle() const { return handle_; }
  int TemplateId() const;
  tk::Window Owner() const;
  std::string Title() const;
  // Sets the entry whose text is `entry` (or position n) and sends CBN_SELCHANGE.
  void Select(int combo_id, std::string_view entry);
  void SelectAt(int combo_id, int position);
  // A click: auto check boxes toggle, auto radio buttons check themselves and
  // clear their group; then BN_CLICKED.
  void Click(int id);
  void PressEnter();   // IDOK
  void PressEscape();  // IDCANCEL
  void CloseBox();     // the title bar's close box: WM_CLOSE with wparam 0
  // Selects row n of a list view and sends NM_DBLCLK from it.
  void DoubleClickRow(int list_id, int row);
  std::string Text(int id) const;
  bool IsChecked(int id) const;
  std::vector<std::string> Entries(int combo_id) const;
  int Selection(int combo_id) const;  // -1 when none
  std::string SelectedText(int combo_id) const;  // "" when none
  const Control& ControlOf(int id) const;  // a failed lookup fails the test
  bool Ended() const;
  std::intptr_t Result() const;

 private:
  tk::Window handle_;
};

struct DialogRun {
  int template_id = 0;
  tk::Window owner;
  std::intptr_t result = 0;
  bool scripted = false;  // a script ran; otherwise it was closed like Escape
};

// ---- Whole backend ----------------------------------------------------------

// Forgets every window, image, message box, script and injected failure.
void Reset();

// ---- Reading the screen -----------------------------------------------------

tk::Window TopWindow();  // 0 when none exists (or it was destroyed)
const TopWindowInfo& TopWindowDetails();
bool QuitPosted();
int QuitCode();
// Live controls of the main window in creation order (dialogs' excluded).
std::vector<const Control*> Controls();
// The first live control of the main window with that id / window name; null when none.
const Control* FindControl(int id);
const Control* FindControl(std::string_view window_name);
const Control& ControlAt(tk::Window handle);  // also destroyed ones
// Text of the first live control with that id / window name ("" when none).
std::string TextOf(int id);
std::string TextOf(std::string_view window_name);
const std::vector<MessageBoxShown>& MessageBoxes();
void ClearMessageBoxes();
const std::vector<DialogRun>& DialogsRun();
BitmapInfo BitmapDetails(tk::Bitmap bitmap);
ImageListInfo ImageListDetails(tk::ImageList images);
int LiveBitmapCount();
unsigned CommonControlsInitialised();  // ICC_ bits asked for

// ---- Acting as the user -----------------------------------------------------

// Selects entry n of a main-window combo box and sends CBN_SELCHANGE (as a
// click in the list does; also when it is the entry already selected).
void PickEntry(int combo_id, int position);
void PickEntry(int combo_id, std::string_view text);  // the first entry with that text
// Typing into a simple combo box's edit field: the text, and the first entry
// starting with it highlighted, nothing sent. Enter sends CBN_SELENDOK.
void TypeText(int combo_id, std::string_view text);
void PressEnter(int combo_id);
void Click(int button_id);                             // BN_CLICKED from a main-window button
// Selects tab n and sends TCN_SELCHANGE, unless it is already selected.
void SelectTab(int tabs_id, int position);
void SelectTab(int tabs_id, std::string_view text);
// Selects row n and sends NM_DBLCLK from the list view.
void DoubleClickRow(int list_id, int row);
void SelectRow(int list_id, int row);  // selection only, nothing sent
// A double-click on a static made with SS_NOTIFY, greyed or not: NM_DBLCLK.
// Statics without it report nothing.
void DoubleClickStatic(int static_id);
void CloseWindow();                    // the close box: WM_CLOSE to the top window
// Sends a WM_COMMAND / WM_NOTIFY as if control `id` had sent it (ids that no
// control has included), to test the routing.
std::intptr_t SendCommand(int id, int code);
std::intptr_t SendNotify(int id, int code);

// The next modal dialogs run these scripts in turn; a dialog opened with no
// script left is closed like Escape. After a script the dialog, when still
// open, is closed like Escape as well.
void OnNextDialog(DialogScript script);
std::size_t PendingDialogScripts();
void ClearDialogScripts();

// RunMessageLoop runs this session (if any), closes the window when the
// session left it open, and returns the quit code.
void SetSession(std::function<void()> session);

// ---- Threads ----------------------------------------------------------------

// Routines handed to StartDetachedThread are recorded, not run, until a test
// runs them here (on the calling thread, in order).
std::size_t StartedThreadCount();
void RunStartedThreads();

// ---- Injected failures ------------------------------------------------------

void FailRegisterClass(bool fail);
void FailCreateControl(std::string_view window_name);  // every later creation of that name fails
void FailCreateImageList(bool fail);
void FailStartThread(bool fail);

}  // namespace memtk
