#pragma once
#include <cstdint>

#include "port/toolkit.h"

// "Experience Gained" (dialog 205): experience for defeating the current
// Pokemon. "Experience Needed" (dialog 290): its total experience at the
// start of a level.
std::intptr_t ExpGainedDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                               std::intptr_t lparam);
std::intptr_t ExpNeededDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                               std::intptr_t lparam);
