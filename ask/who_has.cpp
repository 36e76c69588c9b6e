#include "ask/who_has.h"

#include "ask/ask_index.h"
#include "records/dex_data.h"

namespace ask {
namespace {

PokemonRow RowOf(const AskPokemon& pokemon, std::vector<std::string> facts) {
  return {pokemon.id, pokemon.dexno, pokemon.name, std::move(facts)};
}

std::string PairText(const KeyedTable& table, int first, int second) {
  std::string text = table.Row(first).text;
  if (second != first && second != 0) text += "/" + table.Row(second).text;
  return text;
}

}  // namespace

std::string TypingText(int type1, int type2) { return PairText(Data().tables.stdtypes, type1, type2); }

std::vector<PokemonRow> WhoHasAbility(int ability, std::optional<int> generation) {
  std::vector<PokemonRow> rows;
  for (const AskPokemon& pokemon : Ask().pokemon) {
    const DexPokemon& r = *pokemon.record;
    std::string generations;
    if ((!generation || *generation == 3) && (r.gen3ability1 == ability || r.gen3ability2 == ability))
      generations = "3";
    if ((!generation || *generation == 4) && (r.gen4ability1 == ability || r.gen4ability2 == ability))
      generations += generations.empty() ? "4" : ", 4";
    if (generations.empty()) continue;
    rows.push_back(RowOf(pokemon, {(generations.size() > 1 ? "generations " : "generation ") + generations}));
  }
  return rows;
}

std::vector<PokemonRow> WhoIsInEggGroup(int group) {
  std::vector<PokemonRow> rows;
  for (const AskPokemon& pokemon : Ask().pokemon) {
    const DexPokemon& r = *pokemon.record;
    if (r.breedgroup1 == group || r.breedgroup2 == group)
      rows.push_back(RowOf(pokemon, {PairText(Data().tables.breedgroups, r.breedgroup1, r.breedgroup2)}));
  }
  return rows;
}

std::vector<PokemonRow> WhoHasType(int type, int second_type) {
  std::vector<PokemonRow> rows;
  for (const AskPokemon& pokemon : Ask().pokemon) {
    const DexPokemon& r = *pokemon.record;
    auto has = [&](int t) { return r.type1 == t || r.type2 == t; };
    if (has(type) && (second_type == 0 || has(second_type)))
      rows.push_back(RowOf(pokemon, {TypingText(r.type1, r.type2)}));
  }
  return rows;
}

}  // namespace ask
