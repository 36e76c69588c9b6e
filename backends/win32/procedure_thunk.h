#pragma once
// Window and dialog procedures of the program have the toolkit's signature;
// Win32 calls the thunks of window_class.cpp and dialogs.cpp, which pass the
// four values on. A WM_NOTIFY's NMHDR is copied into a tk::NotifyHeader whose
// address goes on in its place.
#include "backends/win32/win32_handles.h"

namespace win32tk {

template <typename Procedure>
std::intptr_t CallProcedure(Procedure procedure, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NOTIFY && lparam != 0) {
    const NMHDR* from = reinterpret_cast<const NMHDR*>(lparam);
    tk::NotifyHeader header{ToWindow(from->hwndFrom), static_cast<std::uintptr_t>(from->idFrom), from->code};
    return procedure(ToWindow(window), message, wparam, reinterpret_cast<std::intptr_t>(&header));
  }
  return procedure(ToWindow(window), message, wparam, lparam);
}

}  // namespace win32tk
