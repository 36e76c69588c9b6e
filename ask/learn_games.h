#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "records/pokemon.h"

namespace ask {

enum class How { kLevel, kMachine, kTutor, kEgg };

// A move a game teaches through a machine or a tutor, and the record flag that
// says a Pokemon can learn it there.
struct Teachable {
  int flags_generation;  // which of gen1tm..gen4tm holds the flag
  int slot;              // the flag's slot in that array
  std::int32_t move;
  How how;
  std::string label;     // "TM24", "HM03", "tutor"
};

// One game (or pair of versions) as --learns names it. A game added to the
// data set is one more entry of Games().
struct LearnGame {
  const char* code;                    // "RB", "DP"
  int generation;
  std::int32_t LevelMove::*level;      // its level codes
  int egg_generation;                  // the breedmove texts that apply; 0: no breeding
  bool emerald;                        // breeding rules marked "(Emerald only)" apply
  std::vector<Teachable> teachables;
};

// RB, Y, GS, C, RS, E, FRLG, XD, DP, in the games' order.
const std::vector<LearnGame>& Games();

// Whether the flag of a teachable is set in the record.
bool HasFlag(const DexPokemon& record, const Teachable& teachable);

// The words of a special level code ("evolution" for 101, ...), or "" for a
// plain level (1 to 100).
std::string SpecialLevelWord(std::int32_t code);

// --how's words: "level", "machine", "tutor", "egg".
const char* HowWord(How how);

}  // namespace ask
