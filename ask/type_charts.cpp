#include "ask/type_charts.h"

namespace ask {
namespace {

enum Effect { kNone = 0, kHalf = 512, kDouble = 2048 };

struct Cell {
  const char* attack;
  const char* defend;
  Effect effect;
};

// pokered data/types/type_matchups.asm (TypeEffects): Ghost does nothing to
// Psychic, Bug and Poison hit each other x2, Ice is neutral on Fire.
constexpr Cell kGen1[] = {
    {"water", "fire", kDouble},       {"fire", "grass", kDouble},       {"fire", "ice", kDouble},
    {"grass", "water", kDouble},      {"electric", "water", kDouble},   {"water", "rock", kDouble},
    {"ground", "flying", kNone},      {"water", "water", kHalf},        {"fire", "fire", kHalf},
    {"electric", "electric", kHalf},  {"ice", "ice", kHalf},            {"grass", "grass", kHalf},
    {"psychic", "psychic", kHalf},    {"fire", "water", kHalf},         {"grass", "fire", kHalf},
    {"water", "grass", kHalf},        {"electric", "grass", kHalf},     {"normal", "rock", kHalf},
    {"normal", "ghost", kNone},       {"ghost", "ghost", kDouble},      {"fire", "bug", kDouble},
    {"fire", "rock", kHalf},          {"water", "ground", kDouble},     {"electric", "ground", kNone},
    {"electric", "flying", kDouble},  {"grass", "ground", kDouble},     {"grass", "bug", kHalf},
    {"grass", "poison", kHalf},       {"grass", "rock", kDouble},       {"grass", "flying", kHalf},
    {"ice", "water", kHalf},          {"ice", "grass", kDouble},        {"ice", "ground", kDouble},
    {"ice", "flying", kDouble},       {"fighting", "normal", kDouble},  {"fighting", "poison", kHalf},
    {"fighting", "flying", kHalf},    {"fighting", "psychic", kHalf},   {"fighting", "bug", kHalf},
    {"fighting", "rock", kDouble},    {"fighting", "ice", kDouble},     {"fighting", "ghost", kNone},
    {"poison", "grass", kDouble},     {"poison", "poison", kHalf},      {"poison", "ground", kHalf},
    {"poison", "bug", kDouble},       {"poison", "rock", kHalf},        {"poison", "ghost", kHalf},
    {"ground", "fire", kDouble},      {"ground", "electric", kDouble},  {"ground", "grass", kHalf},
    {"ground", "bug", kHalf},         {"ground", "rock", kDouble},      {"ground", "poison", kDouble},
    {"flying", "electric", kHalf},    {"flying", "fighting", kDouble},  {"flying", "bug", kDouble},
    {"flying", "grass", kDouble},     {"flying", "rock", kHalf},        {"psychic", "fighting", kDouble},
    {"psychic", "poison", kDouble},   {"bug", "fire", kHalf},           {"bug", "grass", kDouble},
    {"bug", "fighting", kHalf},       {"bug", "flying", kHalf},         {"bug", "psychic", kDouble},
    {"bug", "ghost", kHalf},          {"bug", "poison", kDouble},       {"rock", "fire", kDouble},
    {"rock", "fighting", kHalf},      {"rock", "ground", kHalf},        {"rock", "flying", kDouble},
    {"rock", "bug", kDouble},         {"rock", "ice", kDouble},         {"ghost", "normal", kNone},
    {"ghost", "psychic", kNone},      {"fire", "dragon", kHalf},        {"water", "dragon", kHalf},
    {"electric", "dragon", kHalf},    {"grass", "dragon", kHalf},       {"ice", "dragon", kDouble},
    {"dragon", "dragon", kDouble},
};

// pokecrystal data/types/type_matchups.asm (TypeMatchups); Platinum's chart
// is the same. The last two rows stand after the game's Foresight marker:
// they hold unless the target was identified.
constexpr Cell kGen2[] = {
    {"normal", "rock", kHalf},        {"normal", "steel", kHalf},       {"fire", "fire", kHalf},
    {"fire", "water", kHalf},         {"fire", "grass", kDouble},       {"fire", "ice", kDouble},
    {"fire", "bug", kDouble},         {"fire", "rock", kHalf},          {"fire", "dragon", kHalf},
    {"fire", "steel", kDouble},       {"water", "fire", kDouble},       {"water", "water", kHalf},
    {"water", "grass", kHalf},        {"water", "ground", kDouble},     {"water", "rock", kDouble},
    {"water", "dragon", kHalf},       {"electric", "water", kDouble},   {"electric", "electric", kHalf},
    {"electric", "grass", kHalf},     {"electric", "ground", kNone},    {"electric", "flying", kDouble},
    {"electric", "dragon", kHalf},    {"grass", "fire", kHalf},         {"grass", "water", kDouble},
    {"grass", "grass", kHalf},        {"grass", "poison", kHalf},       {"grass", "ground", kDouble},
    {"grass", "flying", kHalf},       {"grass", "bug", kHalf},          {"grass", "rock", kDouble},
    {"grass", "dragon", kHalf},       {"grass", "steel", kHalf},        {"ice", "water", kHalf},
    {"ice", "grass", kDouble},        {"ice", "ice", kHalf},            {"ice", "ground", kDouble},
    {"ice", "flying", kDouble},       {"ice", "dragon", kDouble},       {"ice", "steel", kHalf},
    {"ice", "fire", kHalf},           {"fighting", "normal", kDouble},  {"fighting", "ice", kDouble},
    {"fighting", "poison", kHalf},    {"fighting", "flying", kHalf},    {"fighting", "psychic", kHalf},
    {"fighting", "bug", kHalf},       {"fighting", "rock", kDouble},    {"fighting", "dark", kDouble},
    {"fighting", "steel", kDouble},   {"poison", "grass", kDouble},     {"poison", "poison", kHalf},
    {"poison", "ground", kHalf},      {"poison", "rock", kHalf},        {"poison", "ghost", kHalf},
    {"poison", "steel", kNone},       {"ground", "fire", kDouble},      {"ground", "electric", kDouble},
    {"ground", "grass", kHalf},       {"ground", "poison", kDouble},    {"ground", "flying", kNone},
    {"ground", "bug", kHalf},         {"ground", "rock", kDouble},      {"ground", "steel", kDouble},
    {"flying", "electric", kHalf},    {"flying", "grass", kDouble},     {"flying", "fighting", kDouble},
    {"flying", "bug", kDouble},       {"flying", "rock", kHalf},        {"flying", "steel", kHalf},
    {"psychic", "fighting", kDouble}, {"psychic", "poison", kDouble},   {"psychic", "psychic", kHalf},
    {"psychic", "dark", kNone},       {"psychic", "steel", kHalf},      {"bug", "fire", kHalf},
    {"bug", "grass", kDouble},        {"bug", "fighting", kHalf},       {"bug", "poison", kHalf},
    {"bug", "flying", kHalf},         {"bug", "psychic", kDouble},      {"bug", "ghost", kHalf},
    {"bug", "dark", kDouble},         {"bug", "steel", kHalf},          {"rock", "fire", kDouble},
    {"rock", "ice", kDouble},         {"rock", "fighting", kHalf},      {"rock", "ground", kHalf},
    {"rock", "flying", kDouble},      {"rock", "bug", kDouble},         {"rock", "steel", kHalf},
    {"ghost", "normal", kNone},       {"ghost", "psychic", kDouble},    {"ghost", "dark", kHalf},
    {"ghost", "steel", kHalf},        {"ghost", "ghost", kDouble},      {"dragon", "dragon", kDouble},
    {"dragon", "steel", kHalf},       {"dark", "fighting", kHalf},      {"dark", "psychic", kDouble},
    {"dark", "ghost", kDouble},       {"dark", "dark", kHalf},          {"dark", "steel", kHalf},
    {"steel", "fire", kHalf},         {"steel", "water", kHalf},        {"steel", "electric", kHalf},
    {"steel", "ice", kDouble},        {"steel", "rock", kDouble},       {"steel", "steel", kHalf},
    {"normal", "ghost", kNone},       {"fighting", "ghost", kNone},
};

}  // namespace

const std::vector<std::string>& ChartTypes(int generation) {
  static const std::vector<std::string> gen1{"normal", "fire",   "water",   "electric", "grass",
                                             "ice",    "fighting", "poison", "ground",  "flying",
                                             "psychic", "bug",   "rock",    "ghost",    "dragon"};
  static const std::vector<std::string> gen2 = [] {
    std::vector<std::string> types = gen1;
    types.push_back("dark");
    types.push_back("steel");
    return types;
  }();
  return generation == 1 ? gen1 : gen2;
}

int TypeMultiplier(int generation, const std::string& attack, const std::string& defend) {
  auto look = [&](const auto& chart) {
    for (const Cell& cell : chart)
      if (attack == cell.attack && defend == cell.defend) return static_cast<int>(cell.effect);
    return kTimesOne;
  };
  return generation == 1 ? look(kGen1) : look(kGen2);
}

}  // namespace ask
