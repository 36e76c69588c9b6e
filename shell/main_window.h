#pragma once
#include <cstdint>

#include "port/toolkit.h"

// The main window's procedure and controls, and the About dialog's procedure.
std::intptr_t MainWndProc(tk::Window window, unsigned message, std::uintptr_t wparam,
                          std::intptr_t lparam);
void CreateMainControls();
std::intptr_t AboutDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                           std::intptr_t lparam);
