#pragma once
#include <string>
#include <vector>

#include "ask/learners.h"
#include "ask/matchups.h"
#include "ask/places.h"
#include "ask/who_has.h"

namespace ask {

// An answer as a table: column titles and rows of cells. The text front end
// prints it as lines or as tab-separated values; a dialog can fill a list.
struct Table {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
};

// "HM03 (RB, Y, GS, C, RS, E, FRLG, DP); level 31 (DP)"
std::string LearnText(const LearnRow& row);

Table LearnTable(const std::vector<LearnRow>& rows);
// `fact` titles the facts' column ("Abilities", "Egg groups", "Type").
Table PokemonTable(const std::vector<PokemonRow>& rows, const std::string& fact);
Table PlaceTable(const std::vector<PlaceRow>& rows);
// One row per multiplier group (x4, x2, x1/2, x1/4, x0, and any other an
// ability makes), then one per ability that changes a multiplier.
Table MatchupTable(const MatchupAnswer& answer);
// "94 Gengar (Ghost/Poison), generation 1"
std::string MatchupTitle(const MatchupAnswer& answer);

// The rows as lines, cells separated by two blanks; the first two cells (the
// number and the name) by one.
std::string PlainText(const Table& table, bool numbered = true);
// A header line, then each row, tab-separated.
std::string TabSeparated(const Table& table);

}  // namespace ask
