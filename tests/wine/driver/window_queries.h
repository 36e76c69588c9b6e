#pragma once
// Reading faunary's windows from the driver's process with ordinary window
// messages. Every send has a time-out, so a hung or modal program makes the
// query fail instead of hanging the test.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#ifndef NOMINMAX
#define NOMINMAX  // libstdc++ may have defined it
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <commctrl.h>

#include "resources/images.h"

std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);
// A message whose answer is a number; nullopt when the window is missing or
// does not answer in time.
std::optional<int> Ask(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);
// Answers once the window's thread has handled everything sent before.
inline bool Sync(HWND window) { return SendWithTimeout(window, WM_NULL).has_value(); }

std::string ToCp1252(const std::wstring& wide);
// WM_GETTEXT (copied between processes by the system).
std::optional<std::string> WindowText(HWND window);
std::string ClassName(HWND window);
// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
// Screen pixels to the 96 DPI pixels the program lays its controls out in
// (it scales them to the desktop's DPI).
int LayoutPixels(int screen_pixels);
std::vector<HWND> DirectChildren(HWND parent);
// Visible top-level windows of a process with that class ("" = any).
std::vector<HWND> TopWindowsOf(DWORD process_id, const std::string& class_name);
std::optional<std::vector<std::string>> ComboEntries(HWND combo);
// The window's area of the screen (frame included), 0x00RRGGBB from the top
// row; nullopt when it cannot be copied.
std::optional<ImageResource> ScreenPixels(HWND window);
// Copies the window's area of the screen (frame included) into a 24-bit
// .bmp file. Empty on success, otherwise what went wrong.
std::string CaptureWindow(HWND window, const std::string& bmp_path);

// What faunary answered to a message whose structure was placed in its memory.
template <typename Item>
struct RemoteAnswer {
  LRESULT answer;
  Item item;
  std::string text;  // a list-view or tab item's text
};

// Structures that messages point to (list-view items, rectangles) are not
// copied between processes, so the driver places `item` in faunary's memory
// (a list-view or tab item's text goes to room after it), sends `message` with its
// address and reads it back. Nullopt when faunary does not answer.
template <typename Item>
std::optional<RemoteAnswer<Item>> SendRemote(HANDLE process, HWND window, UINT message, WPARAM wparam, Item item) {
  constexpr int kTextRoom = 1024;
  struct Block {
    Item item;
    char text[kTextRoom];
  } block{item, {}};
  auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof block, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (remote == nullptr) return std::nullopt;
  if constexpr (std::is_same_v<Item, LVITEMA> || std::is_same_v<Item, TCITEMA>) {
    block.item.pszText = remote + offsetof(Block, text);
    block.item.cchTextMax = kTextRoom;
  }
  std::optional<LRESULT> answer;
  if (WriteProcessMemory(process, remote, &block, sizeof block, nullptr) != FALSE)
    answer = SendWithTimeout(window, message, wparam, reinterpret_cast<LPARAM>(remote));
  const bool read = answer && ReadProcessMemory(process, remote, &block, sizeof block, nullptr) != FALSE;
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  if (!read) return std::nullopt;
  block.text[kTextRoom - 1] = '\0';
  return RemoteAnswer<Item>{*answer, block.item, block.text};
}
