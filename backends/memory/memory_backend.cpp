// The in-memory toolkit backend: every window is a record in a table, every
// message is a direct call of the owning procedure (as SendMessage would
// make it), and modal dialogs run the scripts the test queued for them.
#include <algorithm>
#include <cctype>
#include <deque>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "backends/memory/memory_screen.h"
#include "resources/dialog_templates.h"
#include "resources/images.h"
#include "port/toolkit.h"
#include "port/win_constants.h"

namespace memtk {
namespace {

// The frame this backend gives a WS_CAPTION top window: 3 pixels of fixed
// frame on each side and a 22-pixel caption, as Windows' classic metrics.
constexpr int kFrame = 3;
constexpr int kCaption = 22;

enum class Kind { kTop, kControl, kDialog };

struct Node {
  Control control;
  Kind kind = Kind::kControl;
  tk::Instance instance;
  tk::WindowProc window_proc = nullptr;  // top windows
  tk::DialogProc dialog_proc = nullptr;  // dialogs
  int template_id = 0;
  tk::Window owner;
  bool ended = false;
  std::intptr_t result = 0;
};

struct RegisteredClass {
  std::string name;
  tk::WindowClass details;
};

struct State {
  std::vector<std::unique_ptr<Node>> nodes;  // handle value = position + 1
  std::vector<RegisteredClass> classes;
  tk::Window top;
  TopWindowInfo top_info;
  bool quit = false;
  int quit_code = 0;
  std::vector<MessageBoxShown> boxes;
  std::vector<DialogRun> dialog_runs;
  std::deque<DialogScript> scripts;
  std::vector<BitmapInfo> bitmaps;        // handle value = position + 1
  std::vector<ImageListInfo> image_lists; // handle value = position + 1
  unsigned common_controls = 0;
  std::function<void()> session;
  std::vector<tk::ThreadRoutine> threads;
  bool fail_register = false;
  bool fail_image_list = false;
  bool fail_thread = false;
  std::vector<std::string> failing_names;
};

// Never destroyed: a page still open when the process exits destroys its
// controls from a static destructor, which must find the screen alive.
State& S() {
  static State& state = *new State;
  return state;
}

constexpr tk::Font kStockFont{1};

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

Node* NodeOf(tk::Window handle) {
  auto& nodes = S().nodes;
  if (handle.value == 0 || handle.value > nodes.size()) return nullptr;
  return nodes[handle.value - 1].get();
}

Node* LiveNode(tk::Window handle) {
  Node* node = NodeOf(handle);
  return node && !node->control.destroyed ? node : nullptr;
}

Node* LiveOfClass(tk::Window handle, std::string_view class_name) {
  Node* node = LiveNode(handle);
  return node && Lower(node->control.class_name) == Lower(class_name) ? node : nullptr;
}

tk::Window AddNode(std::unique_ptr<Node> node) {
  auto& nodes = S().nodes;
  nodes.push_back(std::move(node));
  const tk::Window handle{nodes.size()};
  nodes.back()->control.handle = handle;
  return handle;
}

bool IsKnownControlClass(std::string_view class_name) {
  const std::string lower = Lower(class_name);
  for (const char* known : {WC_STATIC, WC_EDIT, WC_BUTTON, WC_COMBOBOX, WC_LISTVIEW, WC_TABCONTROL})
    if (lower == Lower(known)) return true;
  return false;
}

// Delivers a message to the procedure of `window` (a top window or dialog).
std::intptr_t Deliver(tk::Window window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
  Node* node = LiveNode(window);
  if (!node) return 0;
  if (node->kind == Kind::kTop && node->window_proc)
    return node->window_proc(window, message, wparam, lparam);
  if (node->kind == Kind::kDialog && node->dialog_proc)
    return node->dialog_proc(window, message, wparam, lparam);
  return 0;
}

std::intptr_t SendCommandFrom(const Node& control, int code) {
  const auto wparam = tk::MakeWparam(static_cast<unsigned>(control.control.id), static_cast<unsigned>(code));
  return Deliver(control.control.parent, WM_COMMAND, wparam, static_cast<std::intptr_t>(control.control.handle.value));
}

std::intptr_t SendNotifyFrom(tk::Window parent, tk::Window from, int id, int code) {
  tk::NotifyHeader header{from, static_cast<std::uintptr_t>(id), static_cast<unsigned>(code)};
  return Deliver(parent, WM_NOTIFY, static_cast<std::uintptr_t>(id), reinterpret_cast<std::intptr_t>(&header));
}

void DestroyChildren(tk::Window parent) {
  for (auto& node : S().nodes)
    if (node->control.parent == parent && !node->control.destroyed) node->control.destroyed = true;
}

// The live controls whose parent is `parent`, in creation order.
std::vector<Node*> ChildrenOf(tk::Window parent) {
  std::vector<Node*> children;
  for (auto& node : S().nodes)
    if (node->control.parent == parent && !node->control.destroyed && node->kind == Kind::kControl)
      children.push_back(node.get());
  return children;
}

Node* ChildWithId(tk::Window parent, int id) {
  for (Node* child : ChildrenOf(parent))
    if (child->control.id == id) return child;
  return nullptr;
}

Node* MainControl(int id) { return S().top ? ChildWithId(S().top, id) : nullptr; }

Node* RequireMainControl(int id) {
  Node* node = MainControl(id);
  if (!node) throw std::logic_error("the main window has no control " + std::to_string(id));
  return node;
}

std::uint32_t ButtonType(const Control& c) { return c.style & BS_TYPEMASK; }

// A user's click on a button: auto check boxes toggle, auto radio buttons
// check themselves and clear the other radio buttons of their group.
void ClickButton(Node& button) {
  Control& c = button.control;
  if (!c.enabled) return;
  if (Lower(c.class_name) == "button") {
    if (ButtonType(c) == BS_AUTOCHECKBOX) c.checked = !c.checked;
    if (ButtonType(c) == BS_AUTORADIOBUTTON) {
      const std::vector<Node*> siblings = ChildrenOf(c.parent);
      const auto self = std::find(siblings.begin(), siblings.end(), &button);
      auto first = self;
      while (first != siblings.begin() && ((*first)->control.style & WS_GROUP) == 0) --first;
      auto last = self + 1;
      while (last != siblings.end() && ((*last)->control.style & WS_GROUP) == 0) ++last;
      for (auto it = first; it != last; ++it)
        if (Lower((*it)->control.class_name) == "button" && ButtonType((*it)->control) == BS_AUTORADIOBUTTON)
          (*it)->control.checked = false;
      c.checked = true;
    }
  }
  SendCommandFrom(button, BN_CLICKED);
}

int EntryPosition(const Control& combo, std::string_view text) {
  for (std::size_t i = 0; i < combo.entries.size(); ++i)
    if (combo.entries[i].text == text) return static_cast<int>(i);
  throw std::logic_error("combo box " + std::to_string(combo.id) + " has no entry \"" + std::string(text) + "\"");
}

void PickComboEntry(Node& combo, int position) {
  Control& c = combo.control;
  if (!c.enabled) return;
  if (position < 0 || static_cast<std::size_t>(position) >= c.entries.size())
    throw std::logic_error("combo box " + std::to_string(c.id) + " has no entry " + std::to_string(position));
  c.selection = position;
  SendCommandFrom(combo, CBN_SELCHANGE);
}

Node& DialogNode(tk::Window handle) {
  Node* node = NodeOf(handle);
  if (!node || node->kind != Kind::kDialog) throw std::logic_error("not a dialog");
  return *node;
}

Node& DialogControl(tk::Window dialog, int id) {
  Node* node = ChildWithId(dialog, id);
  if (!node) throw std::logic_error("the dialog has no control " + std::to_string(id));
  return *node;
}

bool Fails(std::string_view window_name) {
  const auto& names = S().failing_names;
  return std::find(names.begin(), names.end(), window_name) != names.end();
}
}  // namespace

// ---- memtk: the screen --------------------------------------------------------

int Dialog::TemplateId() const { return DialogNode(handle_).template_id; }
tk::Window Dialog::Owner() const { return DialogNode(handle_).owner; }
std::string Dialog::Title() const { return DialogNode(handle_).control.text; }
void Dialog::Select(int combo_id, std::string_view entry) {
  Node& combo = DialogControl(handle_, combo_id);
  PickComboEntry(combo, EntryPosition(combo.control, entry));
}
void Dialog::SelectAt(int combo_id, int position) { PickComboEntry(DialogControl(handle_, combo_id), position); }
void Dialog::Click(int id) { ClickButton(DialogControl(handle_, id)); }
void Dialog::PressEnter() { Deliver(handle_, WM_COMMAND, static_cast<std::uintptr_t>(IDOK), 0); }
void Dialog::PressEscape() { Deliver(handle_, WM_COMMAND, static_cast<std::uintptr_t>(IDCANCEL), 0); }
void Dialog::CloseBox() { Deliver(handle_, WM_CLOSE, 0, 0); }
void Dialog::DoubleClickRow(int list_id, int row) {
  Control& c = DialogControl(handle_, list_id).control;
  if (row < 0 || static_cast<std::size_t>(row) >= c.rows.size())
    throw std::logic_error("list " + std::to_string(list_id) + " has no row " + std::to_string(row));
  c.selected_row = row;
  if (c.enabled) SendNotifyFrom(c.parent, c.handle, c.id, NM_DBLCLK);
}
std::string Dialog::Text(int id) const { return DialogControl(handle_, id).control.text; }
bool Dialog::IsChecked(int id) const { return DialogControl(handle_, id).control.checked; }
std::vector<std::string> Dialog::Entries(int combo_id) const {
  std::vector<std::string> texts;
  for (const ComboEntry& e : DialogControl(handle_, combo_id).control.entries) texts.push_back(e.text);
  return texts;
}
int Dialog::Selection(int combo_id) const { return DialogControl(handle_, combo_id).control.selection; }
std::string Dialog::SelectedText(int combo_id) const {
  const Control& c = DialogControl(handle_, combo_id).control;
  if (c.selection < 0 || static_cast<std::size_t>(c.selection) >= c.entries.size()) return {};
  return c.entries[static_cast<std::size_t>(c.selection)].text;
}
const Control& Dialog::ControlOf(int id) const { return DialogControl(handle_, id).control; }
bool Dialog::Ended() const { return DialogNode(handle_).ended; }
std::intptr_t Dialog::Result() const { return DialogNode(handle_).result; }

void Reset() { S() = State{}; }

tk::Window TopWindow() { return LiveNode(S().top) ? S().top : tk::Window{}; }
const TopWindowInfo& TopWindowDetails() { return S().top_info; }
bool QuitPosted() { return S().quit; }
int QuitCode() { return S().quit_code; }

std::vector<const Control*> Controls() {
  std::vector<const Control*> out;
  if (!TopWindow()) return out;
  for (Node* node : ChildrenOf(S().top)) out.push_back(&node->control);
  return out;
}

const Control* FindControl(int id) {
  const Node* node = MainControl(id);
  return node ? &node->control : nullptr;
}

const Control* FindControl(std::string_view window_name) {
  for (const Control* c : Controls())
    if (c->window_name == window_name) return c;
  return nullptr;
}

const Control& ControlAt(tk::Window handle) {
  const Node* node = NodeOf(handle);
  if (!node) throw std::logic_error("no such window");
  return node->control;
}

std::string TextOf(int id) {
  const Control* c = FindControl(id);
  return c ? c->text : std::string();
}

std::string TextOf(std::string_view window_name) {
  const Control* c = FindControl(window_name);
  return c ? c->text : std::string();
}

const std::vector<MessageBoxShown>& MessageBoxes() { return S().boxes; }
void ClearMessageBoxes() { S().boxes.clear(); }
const std::vector<DialogRun>& DialogsRun() { return S().dialog_runs; }

BitmapInfo BitmapDetails(tk::Bitmap bitmap) {
  const auto& bitmaps = S().bitmaps;
  if (bitmap.value == 0 || bitmap.value > bitmaps.size()) return {};
  return bitmaps[bitmap.value - 1];
}

ImageListInfo ImageListDetails(tk::ImageList images) {
  const auto& lists = S().image_lists;
  if (images.value == 0 || images.value > lists.size()) return {};
  return lists[images.value - 1];
}

int LiveBitmapCount() {
  return static_cast<int>(std::count_if(S().bitmaps.begin(), S().bitmaps.end(),
                                        [](const BitmapInfo& b) { return !b.deleted; }));
}

unsigned CommonControlsInitialised() { return S().common_controls; }

// ---- memtk: the user's hands ----------------------------------------------------

void PickEntry(int combo_id, int position) { PickComboEntry(*RequireMainControl(combo_id), position); }

void PickEntry(int combo_id, std::string_view text) {
  Node* combo = RequireMainControl(combo_id);
  PickComboEntry(*combo, EntryPosition(combo->control, text));
}

void TypeText(int combo_id, std::string_view text) {
  Control& c = RequireMainControl(combo_id)->control;
  c.text = std::string(text);
  // As Windows does: the first entry starting with the text (any case) is
  // highlighted, without notifying.
  const std::string lowered = Lower(c.text);
  for (std::size_t i = 0; i < c.entries.size() && !lowered.empty(); ++i)
    if (Lower(c.entries[i].text).starts_with(lowered)) {
      c.selection = static_cast<int>(i);
      break;
    }
}

void PressEnter(int combo_id) { SendCommandFrom(*RequireMainControl(combo_id), CBN_SELENDOK); }

void Click(int button_id) { ClickButton(*RequireMainControl(button_id)); }

void SelectTab(int tabs_id, int position) {
  Node* tabs = RequireMainControl(tabs_id);
  Control& c = tabs->control;
  if (position < 0 || static_cast<std::size_t>(position) >= c.tabs.size())
    throw std::logic_error("no tab " + std::to_string(position));
  if (!c.enabled || c.tab_selection == position) return;
  c.tab_selection = position;
  SendNotifyFrom(c.parent, c.handle, c.id, TCN_SELCHANGE);
}

void SelectTab(int tabs_id, std::string_view text) {
  const Control& c = RequireMainControl(tabs_id)->control;
  for (std::size_t i = 0; i < c.tabs.size(); ++i)
    if (c.tabs[i].text == text) return SelectTab(tabs_id, static_cast<int>(i));
  throw std::logic_error("no tab \"" + std::string(text) + "\"");
}

void SelectRow(int list_id, int row) {
  Control& c = RequireMainControl(list_id)->control;
  if (row < 0 || static_cast<std::size_t>(row) >= c.rows.size())
    throw std::logic_error("list " + std::to_string(list_id) + " has no row " + std::to_string(row));
  c.selected_row = row;
}

void DoubleClickRow(int list_id, int row) {
  SelectRow(list_id, row);
  const Control& c = RequireMainControl(list_id)->control;
  if (c.enabled) SendNotifyFrom(c.parent, c.handle, c.id, NM_DBLCLK);
}

void DoubleClickStatic(int static_id) {
  const Control& c = RequireMainControl(static_id)->control;
  if (Lower(c.class_name) == "static" && (c.style & SS_NOTIFY) != 0)
    SendNotifyFrom(c.parent, c.handle, c.id, NM_DBLCLK);
}

void CloseWindow() {
  if (TopWindow()) Deliver(S().top, WM_CLOSE, 0, 0);
}

std::intptr_t SendCommand(int id, int code) {
  if (!TopWindow()) return 0;
  const Node* control = MainControl(id);
  const auto wparam = tk::MakeWparam(static_cast<unsigned>(id), static_cast<unsigned>(code));
  return Deliver(S().top, WM_COMMAND, wparam, control ? static_cast<std::intptr_t>(control->control.handle.value) : 0);
}

std::intptr_t SendNotify(int id, int code) {
  if (!TopWindow()) return 0;
  const Node* control = MainControl(id);
  return SendNotifyFrom(S().top, control ? control->control.handle : tk::Window{}, id, code);
}

void OnNextDialog(DialogScript script) { S().scripts.push_back(std::move(script)); }
std::size_t PendingDialogScripts() { return S().scripts.size(); }
void ClearDialogScripts() { S().scripts.clear(); }
void SetSession(std::function<void()> session) { S().session = std::move(session); }

std::size_t StartedThreadCount() { return S().threads.size(); }

void RunStartedThreads() {
  const std::vector<tk::ThreadRoutine> routines = S().threads;
  for (tk::ThreadRoutine routine : routines) routine(nullptr);
}

void FailRegisterClass(bool fail) { S().fail_register = fail; }
void FailCreateControl(std::string_view window_name) { S().failing_names.emplace_back(window_name); }
void FailCreateImageList(bool fail) { S().fail_image_list = fail; }
void FailStartThread(bool fail) { S().fail_thread = fail; }

}  // namespace memtk

// ---- The port ---------------------------------------------------------------------

namespace tk {
using memtk::Control;
using memtk::Kind;
using memtk::LiveNode;
using memtk::LiveOfClass;
using memtk::Node;
using memtk::S;

bool RegisterWindowClass(Instance, const WindowClass& window_class) {
  if (S().fail_register || !window_class.procedure) return false;
  for (const auto& known : S().classes)
    if (memtk::Lower(known.name) == memtk::Lower(window_class.name)) return false;
  memtk::RegisteredClass registered{std::string(window_class.name), window_class};
  registered.details.name = {};
  S().classes.push_back(std::move(registered));
  return true;
}

Window CreateTopWindow(std::string_view class_name, std::string_view title, std::uint32_t style, int x, int y,
                       int width, int height, Instance instance) {
  const auto& classes = S().classes;
  const auto it = std::find_if(classes.begin(), classes.end(), [&](const memtk::RegisteredClass& c) {
    return memtk::Lower(c.name) == memtk::Lower(class_name);
  });
  if (it == classes.end()) return {};
  auto node = std::make_unique<Node>();
  node->kind = Kind::kTop;
  node->instance = instance;
  node->window_proc = it->details.procedure;
  node->control.class_name = std::string(class_name);
  node->control.window_name = std::string(title);
  node->control.text = std::string(title);
  node->control.style = style;
  const int left = x == CW_USEDEFAULT ? 0 : x;
  const int top = y == CW_USEDEFAULT ? 0 : y;
  node->control.rect = {left, top, left + width, top + height};
  memtk::TopWindowInfo& info = S().top_info;
  info = {std::string(class_name), std::string(title), style, x, y, width, height, -1,
          it->details.style, it->details.icon_resource, it->details.background_brush, {}};
  S().top = memtk::AddNode(std::move(node));
  return S().top;
}

void SetButtonShortcut(Window top, char letter, int id) {
  if (LiveNode(top) && top == S().top) S().top_info.button_shortcuts.emplace_back(letter, id);
}

void ShowTopWindow(Window window, int show_command) {
  if (LiveNode(window) && window == S().top) S().top_info.show_command = show_command;
}

Rect ClientRect(Window window) {
  const Node* node = LiveNode(window);
  if (!node) return {};
  const Rect& r = node->control.rect;
  const bool framed = (node->control.style & WS_CAPTION) != 0;
  const int width = r.right - r.left - (framed ? 2 * memtk::kFrame : 0);
  const int height = r.bottom - r.top - (framed ? 2 * memtk::kFrame + memtk::kCaption : 0);
  return {0, 0, std::max(width, 0), std::max(height, 0)};
}

int RunMessageLoop() {
  std::function<void()> session = std::exchange(S().session, nullptr);
  if (session) session();
  if (!S().quit && memtk::TopWindow()) memtk::CloseWindow();
  return S().quit_code;
}

void PostQuit(int exit_code) {
  S().quit = true;
  S().quit_code = exit_code;
}

std::intptr_t DefaultWindowProc(Window window, unsigned message, std::uintptr_t, std::intptr_t) {
  Node* node = LiveNode(window);
  if (!node || message != WM_CLOSE || node->kind != Kind::kTop) return 0;
  // DestroyWindow: the window's procedure sees WM_DESTROY, then its children go.
  memtk::Deliver(window, WM_DESTROY, 0, 0);
  node->control.destroyed = true;
  memtk::DestroyChildren(window);
  return 0;
}

Instance WindowInstance(Window window) {
  const Node* node = LiveNode(window);
  return node ? node->instance : Instance{};
}

Window CreateControl(std::string_view class_name, std::string_view window_name, std::uint32_t style, int x,
                     int y, int width, int height, Window parent, int id, Instance instance) {
  if (!memtk::IsKnownControlClass(class_name) || memtk::Fails(window_name)) return {};
  if (!LiveNode(parent)) return {};
  auto node = std::make_unique<Node>();
  node->instance = instance;
  Control& c = node->control;
  c.class_name = std::string(class_name);
  c.window_name = std::string(window_name);
  c.text = std::string(window_name);
  c.id = id;
  c.style = style;
  c.rect = {x, y, x + width, y + height};
  c.parent = parent;
  return memtk::AddNode(std::move(node));
}

void DestroyControl(Window control) {
  Node* node = LiveNode(control);
  if (!node) return;
  if (node->kind == Kind::kTop) {
    memtk::Deliver(control, WM_DESTROY, 0, 0);
    memtk::DestroyChildren(control);
  }
  node->control.destroyed = true;
}

void SetControlFont(Window control, Font font) {
  if (Node* node = LiveNode(control)) node->control.font = font;
}

void SetControlText(Window control, std::string_view text) {
  if (Node* node = LiveNode(control)) node->control.text = std::string(text);
}

void InvalidateControl(Window control) {
  if (Node* node = LiveNode(control)) ++node->control.invalidations;
}

void EnableControl(Window control, bool enabled) {
  if (Node* node = LiveNode(control)) node->control.enabled = enabled;
}

std::string GetControlText(Window control) {
  const Node* node = LiveNode(control);
  return node ? node->control.text : std::string();
}

void SetControlRedraw(Window, bool) {}  // the in-memory screen is never painted

void SetStaticBitmap(Window control, Bitmap bitmap) {
  if (Node* node = LiveOfClass(control, WC_STATIC)) node->control.bitmap = bitmap;
}

bool IsButtonChecked(Window button) {
  const Node* node = LiveOfClass(button, WC_BUTTON);
  return node && node->control.checked;
}

void ComboReset(Window combo) {
  if (Node* node = LiveOfClass(combo, WC_COMBOBOX)) {
    node->control.entries.clear();
    node->control.selection = -1;
  }
}

int ComboAddString(Window combo, std::string_view text) {
  Node* node = LiveOfClass(combo, WC_COMBOBOX);
  if (!node) return CB_ERR;
  auto& entries = node->control.entries;
  auto where = entries.end();
  if (node->control.style & CBS_SORT)
    where = std::find_if(entries.begin(), entries.end(), [&](const memtk::ComboEntry& e) {
      return memtk::Lower(e.text) > memtk::Lower(text);
    });
  const auto position = where - entries.begin();
  entries.insert(where, memtk::ComboEntry{std::string(text), 0});
  if (node->control.selection >= position) ++node->control.selection;
  return static_cast<int>(position);
}

bool ComboSetItemData(Window combo, int position, std::intptr_t data) {
  Node* node = LiveOfClass(combo, WC_COMBOBOX);
  if (!node || position < 0 || static_cast<std::size_t>(position) >= node->control.entries.size()) return false;
  node->control.entries[static_cast<std::size_t>(position)].data = data;
  return true;
}

std::intptr_t ComboGetItemData(Window combo, int position) {
  const Node* node = LiveOfClass(combo, WC_COMBOBOX);
  if (!node || position < 0 || static_cast<std::size_t>(position) >= node->control.entries.size()) return CB_ERR;
  return node->control.entries[static_cast<std::size_t>(position)].data;
}

void ComboSetCurSel(Window combo, int position) {
  Node* node = LiveOfClass(combo, WC_COMBOBOX);
  if (!node) return;
  const bool valid = position >= 0 && static_cast<std::size_t>(position) < node->control.entries.size();
  node->control.selection = valid ? position : -1;
  // The edit field of a simple combo box shows the selected entry.
  if (node->control.style & CBS_SIMPLE)
    node->control.text = valid ? node->control.entries[static_cast<std::size_t>(position)].text : std::string();
}

int ComboGetCurSel(Window combo) {
  const Node* node = LiveOfClass(combo, WC_COMBOBOX);
  return node ? node->control.selection : CB_ERR;
}

int ListViewInsertColumn(Window list, int column, int width, std::string_view title) {
  Node* node = LiveOfClass(list, WC_LISTVIEW);
  if (!node || column < 0) return -1;
  auto& columns = node->control.columns;
  const auto at = std::min(static_cast<std::size_t>(column), columns.size());
  columns.insert(columns.begin() + static_cast<std::ptrdiff_t>(at), memtk::ListColumn{std::string(title), width});
  return static_cast<int>(at);
}

int ListViewInsertItem(Window list, int row, std::string_view text, int image, std::intptr_t data) {
  Node* node = LiveOfClass(list, WC_LISTVIEW);
  if (!node || row < 0) return -1;
  auto& rows = node->control.rows;
  const auto at = std::min(static_cast<std::size_t>(row), rows.size());
  memtk::ListRow item;
  item.texts.assign(std::max<std::size_t>(node->control.columns.size(), 1), std::string());
  item.texts[0] = std::string(text);
  item.image = image;
  item.data = data;
  rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  if (node->control.selected_row >= static_cast<int>(at)) ++node->control.selected_row;
  return static_cast<int>(at);
}

bool ListViewSetItemText(Window list, int row, int sub_item, std::string_view text) {
  Node* node = LiveOfClass(list, WC_LISTVIEW);
  if (!node || row < 0 || static_cast<std::size_t>(row) >= node->control.rows.size() || sub_item < 0) return false;
  // A sub-item needs its column, as in a report view.
  if (sub_item > 0 && static_cast<std::size_t>(sub_item) >= node->control.columns.size()) return false;
  auto& texts = node->control.rows[static_cast<std::size_t>(row)].texts;
  if (texts.size() <= static_cast<std::size_t>(sub_item)) texts.resize(static_cast<std::size_t>(sub_item) + 1);
  texts[static_cast<std::size_t>(sub_item)] = std::string(text);
  return true;
}

void ListViewDeleteAll(Window list) {
  if (Node* node = LiveOfClass(list, WC_LISTVIEW)) {
    node->control.rows.clear();
    node->control.selected_row = -1;
  }
}

int ListViewSelectedRow(Window list) {
  const Node* node = LiveOfClass(list, WC_LISTVIEW);
  return node ? node->control.selected_row : -1;
}

std::intptr_t ListViewItemData(Window list, int row) {
  const Node* node = LiveOfClass(list, WC_LISTVIEW);
  if (!node || row < 0 || static_cast<std::size_t>(row) >= node->control.rows.size()) return 0;
  return node->control.rows[static_cast<std::size_t>(row)].data;
}

void ListViewSetSmallImages(Window list, ImageList images) {
  if (Node* node = LiveOfClass(list, WC_LISTVIEW)) node->control.small_images = images;
}

void ListViewRedrawItems(Window list, int, int) {
  if (Node* node = LiveOfClass(list, WC_LISTVIEW)) ++node->control.invalidations;
}

int TabInsertItem(Window tabs, int position, std::string_view text, std::intptr_t data) {
  Node* node = LiveOfClass(tabs, WC_TABCONTROL);
  if (!node || position < 0) return -1;
  auto& items = node->control.tabs;
  const auto at = std::min(static_cast<std::size_t>(position), items.size());
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), memtk::TabItem{std::string(text), data});
  // As in Windows, the first tab inserted becomes the selected one.
  if (items.size() == 1) node->control.tab_selection = 0;
  else if (node->control.tab_selection >= static_cast<int>(at)) ++node->control.tab_selection;
  return static_cast<int>(at);
}

void TabSetCurSel(Window tabs, int position) {
  Node* node = LiveOfClass(tabs, WC_TABCONTROL);
  if (!node) return;
  // As the Windows control: a negative index selects none, an index past
  // the tabs is ignored and the old selection stays.
  if (position < 0)
    node->control.tab_selection = -1;
  else if (static_cast<std::size_t>(position) < node->control.tabs.size())
    node->control.tab_selection = position;
}

int TabGetCurSel(Window tabs) {
  const Node* node = LiveOfClass(tabs, WC_TABCONTROL);
  return node ? node->control.tab_selection : -1;
}

bool TabGetItemData(Window tabs, int position, std::intptr_t& data) {
  const Node* node = LiveOfClass(tabs, WC_TABCONTROL);
  if (!node || position < 0 || static_cast<std::size_t>(position) >= node->control.tabs.size()) return false;
  data = node->control.tabs[static_cast<std::size_t>(position)].data;
  return true;
}

std::intptr_t RunDialog(Instance instance, int template_id, Window owner, DialogProc procedure, std::intptr_t param) {
  const DialogTemplate* layout = FindDialogTemplate(template_id);
  if (!layout || !procedure) return -1;
  auto dialog = std::make_unique<Node>();
  dialog->kind = Kind::kDialog;
  dialog->instance = instance;
  dialog->dialog_proc = procedure;
  dialog->template_id = template_id;
  dialog->owner = owner;
  dialog->control.class_name = "#32770";
  dialog->control.window_name = layout->title;
  dialog->control.text = layout->title;
  dialog->control.style = layout->style;
  dialog->control.rect = {0, 0, layout->width, layout->height};
  const Window handle = memtk::AddNode(std::move(dialog));
  for (const DialogItemTemplate& item : layout->items) {
    auto node = std::make_unique<Node>();
    node->instance = instance;
    Control& c = node->control;
    c.class_name = item.class_name;
    c.window_name = item.text;
    c.text = item.text;
    c.id = item.id;
    c.style = item.style | WS_CHILD | WS_VISIBLE;
    c.rect = {item.x, item.y, item.x + item.width, item.y + item.height};
    c.parent = handle;
    memtk::AddNode(std::move(node));
  }

  memtk::DialogRun run{template_id, owner, 0, false};
  memtk::Deliver(handle, WM_INITDIALOG, 0, param);
  if (!memtk::DialogNode(handle).ended && !S().scripts.empty()) {
    memtk::DialogScript script = std::move(S().scripts.front());
    S().scripts.pop_front();
    run.scripted = true;
    memtk::Dialog view(handle);
    script(view);
  }
  Node& node = memtk::DialogNode(handle);
  if (!node.ended) memtk::Deliver(handle, WM_COMMAND, static_cast<std::uintptr_t>(IDCANCEL), 0);
  // A procedure that ignores Escape would keep a real dialog open forever;
  // here it ends with 0 so that the test goes on.
  memtk::Node& closed = memtk::DialogNode(handle);
  run.result = closed.ended ? closed.result : 0;
  memtk::DestroyChildren(handle);
  closed.control.destroyed = true;
  S().dialog_runs.push_back(run);
  return run.result;
}

void EndModalDialog(Window dialog, std::intptr_t result) {
  Node* node = LiveNode(dialog);
  if (!node || node->kind != Kind::kDialog || node->ended) return;
  node->ended = true;
  node->result = result;
}

Window DialogItem(Window dialog, int id) {
  const Node* node = memtk::ChildWithId(dialog, id);
  return node ? node->control.handle : Window{};
}

void SetDialogItemText(Window dialog, int id, std::string_view text) { SetControlText(DialogItem(dialog, id), text); }

void CheckRadio(Window dialog, int first_id, int last_id, int checked_id) {
  for (Node* child : memtk::ChildrenOf(dialog))
    if (child->control.id >= first_id && child->control.id <= last_id &&
        memtk::Lower(child->control.class_name) == "button")
      child->control.checked = child->control.id == checked_id;
}

void CheckDialogButton(Window dialog, int id, bool checked) {
  if (Node* node = LiveOfClass(DialogItem(dialog, id), WC_BUTTON)) node->control.checked = checked;
}

bool IsDialogButtonChecked(Window dialog, int id) { return IsButtonChecked(DialogItem(dialog, id)); }

int ShowMessageBox(Window owner, std::string_view text, std::string_view title, unsigned type) {
  S().boxes.push_back({owner, std::string(text), std::string(title), type, static_cast<bool>(memtk::TopWindow())});
  return IDOK;
}

Font StockGuiFont() { return memtk::kStockFont; }

namespace {
Bitmap AddBitmap(int resource_id, int width, int height) {
  S().bitmaps.push_back({resource_id, width, height, false});
  return Bitmap{S().bitmaps.size()};
}
}  // namespace

Bitmap LoadBitmapResource(Instance, int resource_id) {
  const ImageResource* image = FindImage(resource_id);
  return image ? AddBitmap(resource_id, image->width, image->height) : Bitmap{};
}

Bitmap LoadBitmapStretched(Instance, int resource_id, int width, int height) {
  const ImageResource* image = FindImage(resource_id);
  if (!image) return {};
  return AddBitmap(resource_id, width > 0 ? width : image->width, height > 0 ? height : image->height);
}

void DeleteBitmap(Bitmap bitmap) {
  auto& bitmaps = S().bitmaps;
  if (bitmap.value == 0 || bitmap.value > bitmaps.size()) return;
  bitmaps[bitmap.value - 1].deleted = true;
}

void InitCommonControls(unsigned classes) { S().common_controls |= classes; }

ImageList CreateImageList(int width, int height, unsigned flags, int initial, int grow) {
  if (S().fail_image_list) return {};
  memtk::ImageListInfo info;
  info.width = width;
  info.height = height;
  info.flags = flags;
  info.initial = initial;
  info.grow = grow;
  S().image_lists.push_back(std::move(info));
  return ImageList{S().image_lists.size()};
}

namespace {
memtk::ImageListInfo* LiveImageList(ImageList images) {
  auto& lists = S().image_lists;
  if (images.value == 0 || images.value > lists.size() || lists[images.value - 1].destroyed) return nullptr;
  return &lists[images.value - 1];
}
}  // namespace

void SetImageListBackground(ImageList images, Colour colour) {
  if (memtk::ImageListInfo* info = LiveImageList(images)) info->background = colour;
}

int ImageListAdd(ImageList images, Bitmap image, Bitmap) {
  memtk::ImageListInfo* info = LiveImageList(images);
  const memtk::BitmapInfo bitmap = memtk::BitmapDetails(image);
  if (!info || bitmap.resource_id == 0 || bitmap.deleted) return -1;
  info->images.push_back(bitmap.resource_id);
  return static_cast<int>(info->images.size()) - 1;
}

void DestroyImageList(ImageList images) {
  if (memtk::ImageListInfo* info = LiveImageList(images)) info->destroyed = true;
}

bool StartDetachedThread(ThreadRoutine routine) {
  if (S().fail_thread || !routine) return false;
  S().threads.push_back(routine);
  return true;
}

}  // namespace tk
