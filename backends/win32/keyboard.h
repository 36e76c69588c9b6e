#pragma once
// Keys the main window answers wherever the focus is, before the focused
// control sees them: Enter in a simple combo box's edit field confirms its
// entry (CBN_SELENDOK to the combo box's parent; Windows sends nothing),
// Enter on a push button presses it (outside dialogs Windows ignores it), and
// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp move the window's
// tab control to the next or previous tab (TCN_SELCHANGE, as a click does).
#include "backends/win32/win32_handles.h"

namespace win32tk {

// True when the message was used up that way.
bool DeliverWindowKey(const MSG& message);

}  // namespace win32tk
