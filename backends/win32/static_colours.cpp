#include "backends/win32/static_colours.h"

#include <uxtheme.h>

#include <string>

namespace win32tk {
namespace {

// The tab control's pane colour, and the text colour that goes with it.
int SurfaceColour() { return IsAppThemed() ? COLOR_WINDOW : COLOR_BTNFACE; }
int SurfaceTextColour() { return IsAppThemed() ? COLOR_WINDOWTEXT : COLOR_BTNTEXT; }

COLORREF Halfway(COLORREF a, COLORREF b) {
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

// DrawText flags of a text static, as the static control draws it; 0 for
// the image and frame kinds, which keep their own painting.
UINT TextFormat(LONG_PTR style) {
  UINT format = 0;
  switch (style & SS_TYPEMASK) {
    case SS_LEFT: format = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK; break;
    case SS_CENTER: format = DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK; break;
    case SS_RIGHT: format = DT_RIGHT | DT_EXPANDTABS | DT_WORDBREAK; break;
    case SS_SIMPLE: return DT_LEFT | DT_SINGLELINE | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
    case SS_LEFTNOWORDWRAP: format = DT_LEFT | DT_EXPANDTABS; break;
    default: return 0;
  }
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  if (style & SS_CENTERIMAGE) format |= DT_SINGLELINE | DT_VCENTER;
  if ((style & SS_ELLIPSISMASK) == SS_ENDELLIPSIS) format |= DT_SINGLELINE | DT_END_ELLIPSIS;
  return format;
}

void PaintGreyed(HWND control, UINT format) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(control, &paint);
  RECT area{};
  GetClientRect(control, &area);
  // The parent chooses the colours, as for an enabled static.
  HWND parent = GetParent(control);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  if (brush == nullptr)
    brush = reinterpret_cast<HBRUSH>(
        DefWindowProcA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  LOGBRUSH fill{};
  const COLORREF back = GetObjectA(brush, sizeof fill, &fill) == sizeof fill && fill.lbStyle == BS_SOLID
                            ? fill.lbColor
                            : GetBkColor(dc);
  FillRect(dc, &area, brush);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
  SetTextColor(dc, Halfway(GetTextColor(dc), back));
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
  if (previous != nullptr) SelectObject(dc, previous);
  EndPaint(control, &paint);
}

LRESULT CALLBACK GreyedStaticProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  const UINT format = TextFormat(GetWindowLongPtrA(control, GWL_STYLE));
  if (message == WM_PAINT && format != 0 && !IsWindowEnabled(control)) {
    PaintGreyed(control, format);
    return 0;
  }
  const LRESULT result = DefSubclassProc(control, message, wparam, lparam);
  // The static repaints itself at once on these, in the system's grey: paint over it.
  if ((message == WM_ENABLE || message == WM_SETTEXT) && !IsWindowEnabled(control))
    InvalidateRect(control, nullptr, TRUE);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(control, GreyedStaticProc, 0);
  return result;
}

}  // namespace

bool AnswerSurfaceColours(HWND window, UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
  if ((message != WM_CTLCOLORSTATIC && message != WM_ERASEBKGND) || GetParent(window) != nullptr) return false;
  auto dc = reinterpret_cast<HDC>(wparam);
  HBRUSH surface = GetSysColorBrush(SurfaceColour());
  if (message == WM_ERASEBKGND) {
    RECT area{};
    GetClientRect(window, &area);
    FillRect(dc, &area, surface);
    *result = 1;
    return true;
  }
  SetTextColor(dc, GetSysColor(SurfaceTextColour()));
  SetBkColor(dc, GetSysColor(SurfaceColour()));
  *result = reinterpret_cast<LRESULT>(surface);
  return true;
}

void DrawGreyedTextReadably(HWND control) { SetWindowSubclass(control, GreyedStaticProc, 0, 0); }

}  // namespace win32tk
