#pragma once
#include <cstdint>

#include "port/toolkit.h"

// "Catching Chance" (dialog 204): how likely the current Pokemon is to be
// caught at a level, an HP percentage, a status and with a ball.
std::intptr_t CatchDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                           std::intptr_t lparam);
