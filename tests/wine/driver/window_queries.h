#pragma once
// Reading faunary's windows from the driver's process with ordinary window
// messages. Every send has a time-out, so a hung or modal program makes the
// query fail instead of hanging the test.
#include <optional>
#include <string>
#include <vector>

#include "win32_driver.h"

// WM_GETTEXT (copied between processes by the system). Nullopt when the
// window does not answer in time.
std::optional<std::string> WindowText(HWND window);
std::string ClassName(HWND window);

// Answers once the window's thread has handled everything sent before.
bool Sync(HWND window);
// A message whose answer is a number; nullopt when the window is missing or
// does not answer in time.
std::optional<int> Ask(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
std::vector<HWND> DirectChildren(HWND parent);
// Visible top-level windows of a process with that class ("" = any).
std::vector<HWND> TopWindowsOf(DWORD process_id, const std::string& class_name);

std::optional<std::vector<std::string>> ComboEntries(HWND combo);

// Through memory placed in faunary's process (see remote_memory.h).
std::optional<std::string> ListViewCell(HANDLE process, HWND list, int row, int column);
// The row's image index in the list's small image list.
std::optional<int> ListViewImage(HANDLE process, HWND list, int row);
std::optional<RECT> TabItemRect(HANDLE process, HWND tabs, int index);
std::optional<RECT> ListViewRowRect(HANDLE process, HWND list, int row);
// Selects and focuses the row (LVM_SETITEMSTATE), as a click on it does.
bool ListViewSelectRow(HANDLE process, HWND list, int row);
