#pragma once
#include <ostream>
#include <string>
#include <vector>

// faunary-text: starts the program on the in-memory backend in the working
// directory, picks a Pokemon, shows a page and prints what the screen shows.
// It never closes the window, so the settings file is never written.
// Returns the process exit status.
int RunTextFrontEnd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUnknownPokemon = 1;
inline constexpr int kExitUnknownPage = 2;
inline constexpr int kExitUsage = 3;
inline constexpr int kExitNoStart = 4;
