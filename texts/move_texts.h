#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "texts/list_row.h"
#include "records/move.h"
#include "records/pokemon.h"

// The cell text of a level code: "---" when the move is not learnt in that
// version, a word for the special ways, otherwise the level itself.
std::string MoveMethodText(std::int32_t code);

// One row per level-up move of the record, in file order: the move's name with
// its type icon and id, then the level code texts of the eight versions.
std::vector<ListRow> LevelMoveRows(const DexPokemon& record);

// accuracy x 100 / 255 in the general format: at most six significant digits,
// no trailing zeros (229 gives "89.8039").
std::string AccuracyPercentText(std::int32_t accuracy);
// movefxchance x 100 / 255, truncated toward zero (76 gives "29").
std::string EffectPercentText(std::int32_t movefxchance);

// What the move details dialog shows: its title and the text of each control.
struct MoveDetailsText {
  int id;
  std::string text;
};
struct MoveDetails {
  std::string title;
  std::vector<MoveDetailsText> controls;  // 321 to 335, then the button 1
};
MoveDetails ComposeMoveDetails(const DexMove& move);
