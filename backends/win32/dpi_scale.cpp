#include "backends/win32/dpi_scale.h"

namespace win32tk {

int DesktopDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int read = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return read > 0 ? read : USER_DEFAULT_SCREEN_DPI;
  }();
  return dpi;
}

int Scaled(int pixels) { return MulDiv(pixels, DesktopDpi(), USER_DEFAULT_SCREEN_DPI); }

int Unscaled(int pixels) { return MulDiv(pixels, USER_DEFAULT_SCREEN_DPI, DesktopDpi()); }

}  // namespace win32tk
