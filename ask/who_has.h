#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ask {

// A Pokemon of an answer, with the facts that answer the question.
struct PokemonRow {
  std::string id;
  std::int32_t dexno = 0;
  std::string name;
  std::vector<std::string> facts;
};

// Who can have the ability (a position in the abilities table), in
// generation 3 and 4 or only in the one given; facts: "generations 3, 4".
std::vector<PokemonRow> WhoHasAbility(int ability, std::optional<int> generation);
// Who is in the breeding group (a position in the groups); facts: both groups.
std::vector<PokemonRow> WhoIsInEggGroup(int group);
// Who has the type (and the second one, when not 0); facts: its typing.
std::vector<PokemonRow> WhoHasType(int type, int second_type);

// "Grass/Poison", or one name for a single type.
std::string TypingText(int type1, int type2);

}  // namespace ask
