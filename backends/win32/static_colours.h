#pragma once
// Statics drawn on the surface they sit on. Windows paints a static on the
// dialog colour unless its parent answers WM_CTLCOLORSTATIC, so on the main
// window every static showed as a grey patch; the top windows answer with
// their own background and its text colour, which follow the system colour
// scheme together. A greyed static is drawn halfway between that text and
// background colour: clearly greyed, yet readable, where the system's grey
// text gives about 1.7:1 on a white window.
#include "backends/win32/win32_handles.h"

namespace win32tk {

// WM_CTLCOLORSTATIC of a top window whose class brush is a system colour;
// false for any other message or window.
bool AnswerStaticColours(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

// Makes a text static paint itself readably while it is disabled.
void DrawGreyedTextReadably(HWND control);

}  // namespace win32tk
