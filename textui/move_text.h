#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// faunary-text --move NAME: the move details dialog of one move, as text.

// The move of the loaded move table with that name, compared by ask::NameKey
// (case, spaces, hyphens and apostrophes do not count; the lowest id when several
// share it), or nothing.
std::optional<std::int32_t> FindMoveByName(const std::string& name);

// Up to `count` move names nearest to a name that matched none, nearest first:
// names holding it come first, then by the letters to change (edits of the key).
std::vector<std::string> ClosestMoveNames(const std::string& name, std::size_t count);

// Opens the move details dialog of the move, as the pages do, and prints its
// title and controls in reading order. Returns the exit status: kExitOk, or
// kExitUnknownPokemon when no move has that name (err then names the closest) or
// the dialog refuses its id.
int PrintMoveDetails(const std::string& name, std::ostream& out, std::ostream& err);
