#pragma once
#include <cstdint>
#include <string>

struct DexMove {
  std::int32_t id = 0;
  std::string name;
  int type = 0;         // position in the standard types
  int movetype = 0;     // position in the attack types (category)
  int movefx = 0;       // position in the move effects
  std::int32_t movefxchance = 0;
  std::int32_t pp = 0;
  std::int32_t power = 0;
  std::int32_t accuracy = 0;
  std::int32_t numaffected = 0;
  int contesttype = 0;  // position in the contest types
  std::int32_t contestappeal = 0;
  std::int32_t contestjam = 0;
  int contestfx = 0;    // position in the contest effects
  std::int32_t superappeal = 0;
  int superfx = 0;      // position in the contest effects
};

// Fills the move table from data/moves.xml; the first move with an id wins.
void LoadMoves();
// The move with that id, or an empty move.
const DexMove& Move(std::int32_t id);
