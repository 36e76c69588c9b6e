#pragma once
#include <cstdint>

#include "port/toolkit.h"

// "Find": who learns a move, has an ability, is in an egg group, has a type
// or lives at a place; double-clicking a Pokemon of the answer shows it in
// the main window.
std::intptr_t FindDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
