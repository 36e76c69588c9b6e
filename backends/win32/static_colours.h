#pragma once
// The main window as one surface. Its controls sit on the tab control's
// pane, which visual styles draw in the window colour and the classic look
// (also Windows' high-contrast schemes, which turn visual styles off) in the
// dialog colour; a static is painted on the dialog colour unless its parent
// answers WM_CTLCOLORSTATIC, so on a white pane every static was a grey
// patch. Top windows erase to that surface colour and give their statics it
// with its own text colour: both follow the system colour scheme together.
// A greyed static is drawn halfway between that text and background colour:
// clearly greyed, yet readable, where the system's grey text gives about
// 2:1 on white.
#include "backends/win32/win32_handles.h"

namespace win32tk {

// WM_ERASEBKGND and WM_CTLCOLORSTATIC of a top window; false for any other
// message or window.
bool AnswerSurfaceColours(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

// Makes a text static paint itself readably while it is disabled.
void DrawGreyedTextReadably(HWND control);

}  // namespace win32tk
