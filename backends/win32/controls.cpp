// Operations every control has, and the static and button ones.
#include "backends/win32/dpi_scale.h"
#include "backends/win32/keyboard.h"
#include "backends/win32/static_colours.h"
#include "backends/win32/win32_handles.h"

namespace tk {

using namespace win32tk;

Window CreateControl(std::string_view class_name, std::string_view window_name, std::uint32_t style, int x, int y,
                     int width, int height, Window parent, int id, Instance instance) {
  HWND control = CreateWindowExA(0, Terminated(class_name).c_str(), Terminated(window_name).c_str(), style,
                                 Scaled(x), Scaled(y), Scaled(width), Scaled(height), Hwnd(parent), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 Hinstance(instance), nullptr);
  if (control != nullptr) WatchComboEnter(control);
  if (control != nullptr && lstrcmpiA(Terminated(class_name).c_str(), "STATIC") == 0) DrawGreyedTextReadably(control);
  return ToWindow(control);
}

void DestroyControl(Window control) { DestroyWindow(Hwnd(control)); }

void SetControlFont(Window control, Font font) {
  Send(control, WM_SETFONT, reinterpret_cast<WPARAM>(Hfont(font)), FALSE);
}

void SetControlText(Window control, std::string_view text) {
  SetWindowTextA(Hwnd(control), Terminated(text).c_str());
}

std::string GetControlText(Window control) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(Hwnd(control))) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(Hwnd(control), text.data(), static_cast<int>(text.size()))));
  return text;
}

void InvalidateControl(Window control) { InvalidateRect(Hwnd(control), nullptr, TRUE); }

void EnableControl(Window control, bool enabled) { EnableWindow(Hwnd(control), enabled ? TRUE : FALSE); }

void SetControlRedraw(Window control, bool redraw) {
  Send(control, WM_SETREDRAW, redraw ? TRUE : FALSE);
  // The control's own children (a combo box's edit field and list) too.
  if (redraw)
    RedrawWindow(Hwnd(control), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void SetStaticBitmap(Window control, Bitmap bitmap) {
  Send(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(Hbitmap(bitmap)));
}

bool IsButtonChecked(Window button) { return Send(button, BM_GETCHECK) == BST_CHECKED; }

}  // namespace tk
