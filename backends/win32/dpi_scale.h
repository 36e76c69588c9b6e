#pragma once
// The program lays its main window out in pixels of a 96 DPI desktop. It is
// system DPI-aware (its manifest says so), so Windows neither stretches its
// bitmap (blurred text) nor shrinks it: the backend scales every pixel size
// the program gives by the desktop's DPI / 96 and reads sizes back the same
// way. Dialogs need nothing: their dialog units follow their font, which
// Windows makes at the desktop's DPI.
#include "backends/win32/win32_handles.h"

namespace win32tk {

int DesktopDpi();          // LOGPIXELSY of the screen, read once
int Scaled(int pixels);    // 96 DPI pixels to the desktop's
int Unscaled(int pixels);  // and back

}  // namespace win32tk
