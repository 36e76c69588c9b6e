#pragma once
// A static made with SS_NOTIFY reports a double-click to its parent as
// NM_DBLCLK in a WM_NOTIFY, greyed or not, as the toolkit promises. Windows
// itself reports it only for an enabled static, as STN_DBLCLK in a
// WM_COMMAND; a greyed window gets no mouse input at all, so its double-click
// reaches whatever lies under the pointer instead.
#include "backends/win32/win32_handles.h"

namespace win32tk {

// A WM_COMMAND carrying STN_DBLCLK from an SS_NOTIFY static becomes the
// NM_DBLCLK sent to `window`; false for any other message.
bool ForwardStaticDoubleClick(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

// A double-click over a greyed SS_NOTIFY static among the top window's
// children is sent to that static's parent as NM_DBLCLK; true when the
// message was used up that way.
bool DeliverGreyedStaticDoubleClick(const MSG& message);

}  // namespace win32tk
