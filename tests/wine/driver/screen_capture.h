#pragma once
#include <string>

#include "window_queries.h"

// Copies the window's area of the screen (frame included) into a 24-bit
// .bmp file. Empty on success, otherwise what went wrong.
std::string CaptureWindow(HWND window, const std::string& bmp_path);
