#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ask {

// The multiplier of one attacking type (a position in the types table), in
// 1024ths (see type_charts.h).
struct TypeEffect {
  int type;
  int multiplier;
};

// An ability that changes multipliers: what it makes of each attacking type
// it touches, with the multiplier without it.
struct AbilityChange {
  int type;
  int before;
  int after;
};
struct AbilityEffect {
  std::string ability;
  std::vector<AbilityChange> changes;
  std::string note;  // a condition of its generation's rule, or ""
};

struct MatchupAnswer {
  std::string id;
  std::int32_t dexno = 0;
  std::string name;
  int generation = 4;
  int type1 = 0;  // the typing of that generation
  int type2 = 0;
  std::vector<TypeEffect> effects;   // every attacking type of the generation's chart
  std::vector<AbilityEffect> abilities;  // generation 3 on
};

// The matchups of a Pokemon in a generation (1 to 4), or nothing when the
// Pokemon is not in that generation's games.
std::optional<MatchupAnswer> Matchups(const std::string& id, int generation);

// "x2", "x1/2", "x0", "x1.5" ...
std::string MultiplierText(int multiplier);

}  // namespace ask
