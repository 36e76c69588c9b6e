#pragma once
// The window-toolkit port: the only door from the program to windows,
// controls, dialogs, message boxes, images and the one extra thread.
//
// Each executable links exactly one backend library implementing these
// functions (the in-memory backend for tests and the text front end, the
// Win32 backend for Windows). The functions keep Win32's vocabulary and
// results, so the program's logic reads like the window code it stands for:
// handles are opaque and 0 means "none" or "failed", positions are -1 when
// there is none, control ids, window names, styles and rectangles are given
// exactly as the controls are specified. Style bits, messages and
// notification codes are in port/win_constants.h, with their Win32 values.
//
// This header never includes <windows.h>, and <windows.h> must never be
// included together with port/win_constants.h (its macros share the names).
#include <cstdint>
#include <string>
#include <string_view>

namespace tk {

// An opaque handle; the backend hands them out, 0 is "no object".
template <typename Tag>
struct Handle {
  std::uintptr_t value = 0;
  constexpr explicit operator bool() const { return value != 0; }
  friend constexpr bool operator==(Handle, Handle) = default;
};

using Window = Handle<struct WindowTag>;        // top window, control or dialog
using Instance = Handle<struct InstanceTag>;    // the program's module
using Font = Handle<struct FontTag>;
using Bitmap = Handle<struct BitmapTag>;
using ImageList = Handle<struct ImageListTag>;

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// The header of a WM_NOTIFY, laid out like Win32's NMHDR; lParam points to it.
struct NotifyHeader {
  Window from;
  std::uintptr_t id_from = 0;
  unsigned code = 0;
};

// Window and dialog procedures see Win32's four values: for WM_COMMAND the
// low word of wparam is the control id and the high word the notification
// code; for WM_NOTIFY lparam is the address of a NotifyHeader.
using WindowProc = std::intptr_t (*)(Window window, unsigned message, std::uintptr_t wparam,
                                     std::intptr_t lparam);
using DialogProc = std::intptr_t (*)(Window dialog, unsigned message, std::uintptr_t wparam,
                                     std::intptr_t lparam);
// A thread routine; its parameter is always null.
using ThreadRoutine = std::uint32_t (*)(void* parameter);

inline constexpr std::uint16_t LowWord(std::uintptr_t v) { return static_cast<std::uint16_t>(v & 0xFFFFu); }
inline constexpr std::uint16_t HighWord(std::uintptr_t v) { return static_cast<std::uint16_t>((v >> 16) & 0xFFFFu); }
inline constexpr std::uintptr_t MakeWparam(unsigned low, unsigned high) {
  return (static_cast<std::uintptr_t>(high & 0xFFFFu) << 16) | (low & 0xFFFFu);
}

// ---- The main window -------------------------------------------------------

struct WindowClass {
  std::string_view name;      // "FAUNARY"
  unsigned style = 0;         // class style bits (CS_DBLCLKS)
  WindowProc procedure = nullptr;
  int icon_resource = 0;      // icon and small icon
  int background_brush = 0;   // system colour value + 1
};

// RegisterClassExA. False when the class cannot be registered.
bool RegisterWindowClass(Instance instance, const WindowClass& window_class);
// CreateWindowExA of a top-level window (extended style 0, no parent, no
// menu); CW_USEDEFAULT places it. 0 on failure.
Window CreateTopWindow(std::string_view class_name, std::string_view title, std::uint32_t style,
                       int x, int y, int width, int height, Instance instance);
void ShowTopWindow(Window window, int show_command);
Rect ClientRect(Window window);
// GetMessageA / TranslateMessage / DispatchMessageA until WM_QUIT; returns its wParam.
int RunMessageLoop();
void PostQuit(int exit_code);
// DefWindowProcA: closing a top window destroys it (WM_DESTROY reaches its procedure).
std::intptr_t DefaultWindowProc(Window window, unsigned message, std::uintptr_t wparam,
                                std::intptr_t lparam);
// GetWindowLongA(GWL_HINSTANCE).
Instance WindowInstance(Window window);
// An accelerator: Ctrl+`letter` ('A' to 'Z') anywhere in the top window
// presses its push button `id`, as a click does.
void SetButtonShortcut(Window top, char letter, int id);

// ---- Every control --------------------------------------------------------

// CreateWindowExA with extended style 0. 0 on failure.
Window CreateControl(std::string_view class_name, std::string_view window_name, std::uint32_t style,
                     int x, int y, int width, int height, Window parent, int id, Instance instance);
void DestroyControl(Window control);
// WM_SETFONT with redraw flag 0.
void SetControlFont(Window control, Font font);
// WM_SETTEXT / SetWindowTextA; also a dialog's caption. Texts are bytes (code page 1252).
void SetControlText(Window control, std::string_view text);
// GetWindowTextA: a combo box's edit field as typed, a static's text.
std::string GetControlText(Window control);
// InvalidateRect of the whole control, erased.
void InvalidateControl(Window control);
// EnableWindow.
void EnableControl(Window control, bool enabled);
// WM_SETREDRAW: while off, changes are not painted; turning it back on
// repaints the whole control once (for filling long lists).
void SetControlRedraw(Window control, bool redraw);

// ---- STATIC ---------------------------------------------------------------

// A static made with SS_NOTIFY reports a double-click to its parent as a
// WM_NOTIFY with NM_DBLCLK (as a list view does), greyed or not: the machine
// pages' cells open the details of their move that way.

// STM_SETIMAGE with IMAGE_BITMAP on an SS_BITMAP static.
void SetStaticBitmap(Window control, Bitmap bitmap);

// ---- BUTTON ---------------------------------------------------------------

// BM_GETCHECK.
bool IsButtonChecked(Window button);

// ---- COMBOBOX -------------------------------------------------------------

void ComboReset(Window combo);                                  // CB_RESETCONTENT
int ComboAddString(Window combo, std::string_view text);        // CB_ADDSTRING: position or -1
bool ComboSetItemData(Window combo, int position, std::intptr_t data);  // CB_SETITEMDATA
std::intptr_t ComboGetItemData(Window combo, int position);     // CB_GETITEMDATA: -1 (CB_ERR) for no entry
void ComboSetCurSel(Window combo, int position);                // CB_SETCURSEL: -1 or out of range clears
int ComboGetCurSel(Window combo);                               // CB_GETCURSEL: -1 when none

// ---- SysListView32 (report view) -----------------------------------------

inline constexpr int kNoImage = -1;  // row inserted without LVIF_IMAGE

// LVM_INSERTCOLUMNA, left-aligned. Returns the column's position or -1.
int ListViewInsertColumn(Window list, int column, int width, std::string_view title);
// LVM_INSERTITEMA with text, image (unless kNoImage) and item data. Row or -1.
int ListViewInsertItem(Window list, int row, std::string_view text, int image, std::intptr_t data);
// LVM_SETITEMA of one sub-item's text (sub-item >= 1; 0 is the row's own text).
bool ListViewSetItemText(Window list, int row, int sub_item, std::string_view text);
void ListViewDeleteAll(Window list);                            // LVM_DELETEALLITEMS
int ListViewSelectedRow(Window list);                           // LVM_GETNEXTITEM(-1, LVNI_SELECTED)
std::intptr_t ListViewItemData(Window list, int row);           // LVM_GETITEMA(LVIF_PARAM): 0 on failure
void ListViewSetSmallImages(Window list, ImageList images);     // LVM_SETIMAGELIST(LVSIL_SMALL)
void ListViewRedrawItems(Window list, int first, int last);     // LVM_REDRAWITEMS

// ---- SysTabControl32 ------------------------------------------------------

// TCM_INSERTITEMA with TCIF_TEXT | TCIF_PARAM. Position or -1.
int TabInsertItem(Window tabs, int position, std::string_view text, std::intptr_t data);
// TCM_SETCURSEL: sends nothing. -1 leaves no tab selected; the control
// ignores an index past its tabs, so ask for "none" with -1.
void TabSetCurSel(Window tabs, int position);
int TabGetCurSel(Window tabs);                 // TCM_GETCURSEL: -1 when none
// TCM_GETITEMA with TCIF_PARAM; false (and `data` untouched) for no such item.
bool TabGetItemData(Window tabs, int position, std::intptr_t& data);

// ---- Modal dialogs built from the dialog table (resources/) ---------------

// DialogBoxParamA: builds the dialog of `template_id`, sends WM_INITDIALOG
// with `param`, runs modally until EndModalDialog. Its result, or -1 when the
// dialog cannot be made.
std::intptr_t RunDialog(Instance instance, int template_id, Window owner, DialogProc procedure,
                        std::intptr_t param);
void EndModalDialog(Window dialog, std::intptr_t result);  // EndDialog
// GetDlgItem: the control `id` of a dialog, 0 when it has none. Combo and
// button operations on it stand for SendDlgItemMessageA.
Window DialogItem(Window dialog, int id);
void SetDialogItemText(Window dialog, int id, std::string_view text);  // SetDlgItemTextA
void CheckRadio(Window dialog, int first_id, int last_id, int checked_id);  // CheckRadioButton
void CheckDialogButton(Window dialog, int id, bool checked);           // CheckDlgButton
bool IsDialogButtonChecked(Window dialog, int id);                     // IsDlgButtonChecked

// ---- Message boxes --------------------------------------------------------

// MessageBoxA; `type` is MB_OK, or MB_OK | MB_ICONWARNING. Owner 0 = none.
int ShowMessageBox(Window owner, std::string_view text, std::string_view title, unsigned type);

// ---- Graphics -------------------------------------------------------------

Font StockGuiFont();                                     // GetStockObject(DEFAULT_GUI_FONT)
Bitmap LoadBitmapResource(Instance instance, int resource_id);  // LoadBitmapA
// LoadImageA(IMAGE_BITMAP) stretched to width x height.
Bitmap LoadBitmapStretched(Instance instance, int resource_id, int width, int height);
void DeleteBitmap(Bitmap bitmap);                        // DeleteObject
void InitCommonControls(unsigned classes);               // InitCommonControlsEx (ICC_ bits)
ImageList CreateImageList(int width, int height, unsigned flags, int initial, int grow);
void SetImageListBackground(ImageList images, Colour colour);
int ImageListAdd(ImageList images, Bitmap image, Bitmap mask);  // new index or -1
void DestroyImageList(ImageList images);

// ---- The one extra thread -------------------------------------------------

// CreateThread (default security and stack, null parameter, runs at once)
// followed by CloseHandle: never waited for. False when it cannot be started.
bool StartDetachedThread(ThreadRoutine routine);

}  // namespace tk
