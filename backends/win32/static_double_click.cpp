#include "backends/win32/static_double_click.h"

namespace win32tk {
namespace {

bool IsNotifyingStatic(HWND window) {
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  return lstrcmpiA(class_name, "Static") == 0 && (GetWindowLongPtrA(window, GWL_STYLE) & SS_NOTIFY) != 0;
}

LRESULT SendDoubleClick(HWND parent, HWND from) {
  NMHDR header{};
  header.hwndFrom = from;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(from));
  header.code = static_cast<UINT>(NM_DBLCLK);
  return SendMessageA(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

}  // namespace

bool ForwardStaticDoubleClick(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  if (message != WM_COMMAND || HIWORD(wparam) != STN_DBLCLK || lparam == 0) return false;
  HWND from = reinterpret_cast<HWND>(lparam);
  if (!IsNotifyingStatic(from)) return false;  // another control's code 1 (CBN_SELCHANGE, ...)
  *result = SendDoubleClick(window, from);
  return true;
}

bool DeliverGreyedStaticDoubleClick(const MSG& message) {
  if (message.message != WM_LBUTTONDBLCLK || message.hwnd == nullptr) return false;
  POINT at{static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
  ClientToScreen(message.hwnd, &at);
  HWND top = GetAncestor(message.hwnd, GA_ROOT);
  for (HWND child = GetWindow(top, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    if (IsWindowVisible(child) && !IsWindowEnabled(child) && PtInRect(&rect, at) && IsNotifyingStatic(child)) {
      SendDoubleClick(top, child);
      return true;
    }
  }
  return false;
}

}  // namespace win32tk
