#pragma once
#include <cstdint>

#include "port/toolkit.h"

// "Matchups": the damage multipliers against the current Pokemon in one
// generation, with the type chart and typing of that generation and the
// abilities that change them, as `faunary-text POKEMON --matchups` prints.
std::intptr_t MatchupsDlgProc(tk::Window dialog, unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
