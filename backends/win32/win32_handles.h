#pragma once
// The Win32 backend's edge: tk handles hold the Win32 handle values, and
// the toolkit's text views become the terminated strings Win32 expects.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "port/toolkit.h"

namespace win32tk {

inline HWND Hwnd(tk::Window window) { return reinterpret_cast<HWND>(window.value); }
inline tk::Window ToWindow(HWND window) { return tk::Window{reinterpret_cast<std::uintptr_t>(window)}; }

inline HINSTANCE Hinstance(tk::Instance instance) { return reinterpret_cast<HINSTANCE>(instance.value); }
inline tk::Instance ToInstance(HINSTANCE instance) {
  return tk::Instance{reinterpret_cast<std::uintptr_t>(instance)};
}

inline HFONT Hfont(tk::Font font) { return reinterpret_cast<HFONT>(font.value); }
inline tk::Font ToFont(HGDIOBJ font) { return tk::Font{reinterpret_cast<std::uintptr_t>(font)}; }

inline HBITMAP Hbitmap(tk::Bitmap bitmap) { return reinterpret_cast<HBITMAP>(bitmap.value); }
inline tk::Bitmap ToBitmap(HANDLE bitmap) { return tk::Bitmap{reinterpret_cast<std::uintptr_t>(bitmap)}; }

inline HIMAGELIST Himagelist(tk::ImageList images) { return reinterpret_cast<HIMAGELIST>(images.value); }
inline tk::ImageList ToImageList(HIMAGELIST images) {
  return tk::ImageList{reinterpret_cast<std::uintptr_t>(images)};
}

// MAKEINTRESOURCEA without its C cast.
inline LPCSTR ResourceName(int id) {
  return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(id)));
}

// Win32 reads terminated strings; views are not terminated.
inline std::string Terminated(std::string_view text) { return std::string(text); }

inline LRESULT Send(tk::Window control, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return SendMessageA(Hwnd(control), message, wparam, lparam);
}

}  // namespace win32tk
