#pragma once
#include <cstdint>

#include "port/toolkit.h"

// "Stats (gen 1-2)" (dialog 203) and "Stats (gen 3-4)" (dialog 206): one
// stat of the current Pokemon under either rule set.
std::intptr_t StatsGen12DlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                                std::intptr_t lparam);
std::intptr_t StatsGen34DlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam,
                                std::intptr_t lparam);
