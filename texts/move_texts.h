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

// A chance on the data's 0-255 scale as the games' whole per cent: 229 gives "90",
// 25 gives "10", 255 gives "100".
std::string PercentOf255Text(std::int32_t value);
// What the accuracy line shows after "Accuracy: ": the per cent and "%", or "---" for
// accuracy 0, a move that never misses.
std::string AccuracyText(std::int32_t accuracy);
// What the power line shows after "Power: ": the power, or "---" for a status move or
// one whose power is decided in battle (stored as 0 or 1).
std::string PowerText(std::int32_t power);

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
