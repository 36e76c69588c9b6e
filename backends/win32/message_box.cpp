#include "backends/win32/win32_handles.h"

namespace tk {

int ShowMessageBox(Window owner, std::string_view text, std::string_view title, unsigned type) {
  return MessageBoxA(win32tk::Hwnd(owner), win32tk::Terminated(text).c_str(), win32tk::Terminated(title).c_str(),
                     type);
}

}  // namespace tk
