#pragma once
// Keys the main window answers wherever the focus is, before the focused
// control sees them: Enter on a push button presses it (outside dialogs
// Windows ignores it), and
// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp move the window's
// tab control to the next or previous tab (TCN_SELCHANGE, as a click does);
// Ctrl and a letter given to a button (SetButtonShortcut) press that button.
#include "backends/win32/win32_handles.h"

namespace win32tk {

// True when the message was used up that way.
bool DeliverWindowKey(const MSG& message);

// For a simple combo box: Enter in its edit field confirms the entry, as
// CBN_SELENDOK to the combo box's parent (Windows itself sends nothing).
// Other windows are left alone.
void WatchComboEnter(HWND control);

}  // namespace win32tk
