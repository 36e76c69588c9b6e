#include "ask/matchups.h"

#include <functional>

#include "ask/ask_index.h"
#include "ask/type_charts.h"
#include "records/dex_data.h"

namespace ask {
namespace {

// Generation 1 typings that differ from the data's (generation 4) ones:
// Magnemite and Magneton became Electric/Steel in generation 2 (pokered
// data/pokemon/base_stats).
int Gen1Type2(std::int32_t dexno, int type2) {
  if (dexno == 81 || dexno == 82) return 0;
  return type2;
}

using Rule = std::function<int(const std::string& attack, int multiplier)>;

struct AbilityRule {
  const char* ability;
  int from_generation;
  Rule rule;
  const char* gen3_note;
};

int Immune(const std::string& attack, int m, const char* type) { return attack == type ? 0 : m; }

// The abilities that change what a type does to their holder, as the damage
// routines of pokeemerald (AbilityBattleEffects, CalculateBaseDamage,
// TypeCalc) and pokeplatinum apply them.
const std::vector<AbilityRule>& Rules() {
  static const std::vector<AbilityRule> rules{
      {"Levitate", 3, [](const std::string& a, int m) { return Immune(a, m, "ground"); }, ""},
      {"Flash Fire", 3, [](const std::string& a, int m) { return Immune(a, m, "fire"); },
       "not while frozen"},
      {"Volt Absorb", 3, [](const std::string& a, int m) { return Immune(a, m, "electric"); }, ""},
      {"Water Absorb", 3, [](const std::string& a, int m) { return Immune(a, m, "water"); }, ""},
      {"Thick Fat", 3,
       [](const std::string& a, int m) { return a == "fire" || a == "ice" ? m / 2 : m; }, ""},
      {"Wonder Guard", 3, [](const std::string&, int m) { return m > kTimesOne ? m : 0; }, ""},
      {"Dry Skin", 4,
       [](const std::string& a, int m) { return a == "water" ? 0 : a == "fire" ? m * 5 / 4 : m; }, ""},
      {"Heatproof", 4, [](const std::string& a, int m) { return a == "fire" ? m / 2 : m; }, ""},
      {"Motor Drive", 4, [](const std::string& a, int m) { return Immune(a, m, "electric"); }, ""},
      {"Filter", 4, [](const std::string&, int m) { return m > kTimesOne ? m * 3 / 4 : m; }, ""},
      {"Solid Rock", 4, [](const std::string&, int m) { return m > kTimesOne ? m * 3 / 4 : m; }, ""},
  };
  return rules;
}

}  // namespace

std::optional<MatchupAnswer> Matchups(const std::string& id, int generation) {
  const AskIndex& index = Ask();
  const std::size_t at = PokemonAt(id);
  if (at == index.pokemon.size() || generation < 1 || generation > 4) return std::nullopt;
  const AskPokemon& pokemon = index.pokemon[at];
  if (pokemon.firstgeneration > generation) return std::nullopt;
  const DexPokemon& record = *pokemon.record;
  const KeyedTable& types = Data().tables.stdtypes;

  MatchupAnswer answer{pokemon.id, pokemon.dexno, pokemon.name, generation, record.type1, record.type2, {}, {}};
  if (generation == 1) answer.type2 = Gen1Type2(pokemon.dexno, record.type2);
  const std::string key1 = types.Row(answer.type1).key;
  const std::string key2 = answer.type2 == answer.type1 ? "" : types.Row(answer.type2).key;
  for (const std::string& attack : ChartTypes(generation)) {
    int m = TypeMultiplier(generation, attack, key1);
    if (answer.type2 != 0 && !key2.empty()) m = m * TypeMultiplier(generation, attack, key2) / kTimesOne;
    answer.effects.push_back({types.IndexOf(attack), m});
  }
  if (generation < 3) return answer;

  const KeyedTable& abilities = Data().tables.abilities;
  const int first = generation == 3 ? record.gen3ability1 : record.gen4ability1;
  const int second = generation == 3 ? record.gen3ability2 : record.gen4ability2;
  for (const int ability : {first, second}) {
    if (ability == 0 || (ability == second && second == first)) continue;
    const std::string& name = abilities.Row(ability).key;
    for (const AbilityRule& rule : Rules()) {
      if (name != rule.ability || generation < rule.from_generation) continue;
      AbilityEffect effect{name, {}, generation == 3 ? rule.gen3_note : ""};
      for (const TypeEffect& e : answer.effects) {
        const int after = rule.rule(types.Row(e.type).key, e.multiplier);
        if (after != e.multiplier) effect.changes.push_back({e.type, e.multiplier, after});
      }
      if (!effect.changes.empty()) answer.abilities.push_back(std::move(effect));
    }
  }
  return answer;
}

std::string MultiplierText(int m) {
  // Appended piece by piece: GCC 12 warns falsely on literal + std::string here.
  std::string text = "x";
  if (m == 0 || m % kTimesOne == 0) {
    text += std::to_string(m / kTimesOne);
  } else if (kTimesOne % m == 0) {
    text += "1/";
    text += std::to_string(kTimesOne / m);
  } else {
    // Exact in 1024ths: at most ten decimals.
    text += std::to_string(m / kTimesOne);
    text += '.';
    for (int rest = m % kTimesOne; rest != 0; rest = rest * 10 % kTimesOne)
      text += static_cast<char>('0' + rest * 10 / kTimesOne);
  }
  return text;
}

}  // namespace ask
