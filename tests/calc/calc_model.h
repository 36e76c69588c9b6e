#pragma once
// The games' own routines written out plainly, and the facts of the calculators'
// data set, to compare the program with.
#include <algorithm>
#include <cstdint>
#include <string>

namespace model {

// A number 0 to n - 1 from a generator of the test.
template <typename Random>
int Pick(Random& random, int n) {
  return static_cast<int>(random() % static_cast<unsigned>(n));
}

// Red's CalcStat (engine/battle/core.asm) and Crystal's CalcMonStatC: ((base + DV) * 2 + stat-exp level) * level / 100.
inline int StatGen12(int base, int level, int dv, int statexp, bool hp) {
  if (hp && base == 1) return 1;  // Shedinja, a generation 3 Pokemon, keeps its single HP
  const int term = ((base + dv) * 2 + statexp) * level / 100;
  return hp ? term + level + 10 : term + 5;
}

// FireRed's CALC_STAT and ModifyStatByNature (src/pokemon.c); nature 0 neutral, 1 hindering, 2 helping.
inline int StatGen34(int base, int level, int iv, int ev, bool hp, int nature) {
  if (hp) return base == 1 ? 1 : (2 * base + iv + ev / 4) * level / 100 + level + 10;  // Shedinja
  const int n = (2 * base + iv + ev / 4) * level / 100 + 5;
  if (nature == 2) return n * 110 / 100;
  if (nature == 1) return n * 90 / 100;
  return n;
}

// FireRed's Cmd_getexp and HeartGold's Task_GetExp: yield * level / 7, at least 1, then * 150 / 100 for a trainer's.
inline int ExpGained(int yield, int level, bool trainer) {
  const int share = std::max(yield * level / 7, 1);
  return trainer ? share * 150 / 100 : share;
}

// HeartGold's BattleSystem_CalculateBallShakes (src/battle/battle_command.c): the shake value a and the chance of
// four checks of a 16-bit random number below 0xFFFF0 / sqrt(sqrt(0xFF0000 / a)), in tenths of a per cent, floored.
inline int ShakeValue(int rate, int ball, int maximum, int current, int status_tenths) {
  const int a = rate * ball / 10 * (3 * maximum - 2 * current) / (3 * maximum);
  return status_tenths == 20 ? a * 2 : status_tenths == 15 ? a * 15 / 10 : a;
}
inline unsigned RootDown(unsigned n) {
  unsigned r = 0;
  while ((r + 1) * (r + 1) <= n) ++r;
  return r;
}
inline int ChancePermille(int a) {
  if (a >= 255) return 1000;
  if (a <= 0) return 0;
  const unsigned b = 0xFFFF0u / RootDown(RootDown(0xFF0000u / static_cast<unsigned>(a)));
  __extension__ typedef unsigned __int128 Wide;
  const Wide b4 = Wide{b} * b * b * b;
  return static_cast<int>(b4 * 1000 >> 64);
}
inline std::string Shown(int permille) {
  return std::to_string(permille / 10) + "." + std::to_string(permille % 10) + "%";
}

struct CatchCase {
  int level, maximum, current, status_tenths, rate, speed, heavy, type1, type2, gender, dexno;
};

// The chance with the species' rate changed to `rate` (kept to 1-255 as the game keeps it; 0 stays) and a ball
// multiplier in tenths.
inline std::string Chance(const CatchCase& c, int rate, int ball = 10) {
  rate = rate > 255 ? 255 : rate < 0 ? 1 : rate;
  return Shown(ChancePermille(ShakeValue(rate, ball, c.maximum, c.current, c.status_tenths)));
}
inline std::string Alone(const CatchCase& c, int rate, int ball = 10) {
  const std::string text = Chance(c, rate, ball);
  return text == "100.0%" ? "Pokemon is always caught" : text;
}

// The result line for a ball of the list, by its name.
inline std::string CatchText(const std::string& ball, const CatchCase& c) {
  const int r = c.rate;
  if (ball == "Master Ball" || ball == "Park Ball (DP)") return "Pokemon is always caught";
  if (ball == "Great Ball" || ball == "Park Ball") return Alone(c, r, 15);
  if (ball == "Ultra Ball") return Alone(c, r, 20);
  if (ball == "Heavy Ball") {
    const int change = c.heavy == 5 ? 40 : c.heavy == 4 ? 30 : c.heavy == 3 ? 20 : -20;  // 409.6, 307.2, 204.8 kg
    return Alone(c, r + change);
  }
  if (ball == "Fast Ball") return Alone(c, c.speed >= 100 ? 4 * r : r);
  if (ball == "Level Ball") {
    // Your level against its: x1 up to its level, x2 while yours / 2 <= its, x4 while yours / 4 <= its, else x8.
    std::string text;
    int shown_factor = 1;
    for (int yours = 1; yours <= 100; ++yours) {
      const int factor = yours <= c.level ? 1 : yours / 2 <= c.level ? 2 : yours / 4 <= c.level ? 4 : 8;
      if (factor == shown_factor) continue;
      shown_factor = factor;
      text = "your level is " + std::to_string(yours) + " or higher: " + Chance(c, factor * r) +
             (text.empty() ? "" : "; else, " + text);
    }
    if (text.empty()) return Alone(c, r);
    text[0] = 'Y';
    return text + "; else " + Chance(c, r);
  }
  if (ball == "Lure Ball") return Chance(c, 3 * r) + " when fishing, " + Chance(c, r) + " when not";
  if (ball == "Love Ball") {
    if (c.gender <= 0 || c.gender >= 16) return Alone(c, r);  // one gender only, or none
    return Chance(c, 8 * r) + " if yours is the same Pokemon of the other gender, else " + Chance(c, r);
  }
  if (ball == "Moon Ball") {
    const int family[] = {29, 30, 31, 32, 33, 34, 35, 36, 39, 40, 173, 174, 300, 301};  // sMoonBallPokemon
    return Alone(c, std::find(std::begin(family), std::end(family), c.dexno) != std::end(family) ? 4 * r : r);
  }
  if (ball == "Dive Ball") return Chance(c, r, 35) + " when diving, else " + Chance(c, r);
  if (ball == "Nest Ball") return Alone(c, r, std::max(40 - c.level, 10));
  if (ball == "Net Ball") {
    const bool net = c.type1 == 6 || c.type1 == 13 || c.type2 == 6 || c.type2 == 13;  // Water, Bug
    return Alone(c, r, net ? 30 : 10);
  }
  if (ball == "Repeat Ball") return Chance(c, r, 30) + " when already caught; " + Chance(c, r) + " otherwise.";
  if (ball == "Timer Ball") return "Goes from " + Chance(c, r) + " to " + Chance(c, r, 40) + " as time passes";
  if (ball == "Dusk Ball") return Chance(c, r) + "; " + Chance(c, r, 35) + " at night or in a cave";
  if (ball == "Quick Ball") return Chance(c, r, 40) + " on the first turn, else " + Chance(c, r);
  return Alone(c, r);  // Pokeball, Friend, Luxury, Premier, Heal, Cherish
}

inline int Experience(int group, int l) {
  const int cube = l * l * l;
  switch (group) {
    case 1: return 8 * cube / 10;
    case 2: return cube;
    case 3: return 12 * cube / 10 - 15 * l * l + 100 * l - 140;
    case 4: return 5 * cube / 4;
    case 5:
      if (l <= 50) return cube * (100 - l) / 50;
      if (l <= 68) return cube * (150 - l) / 100;
      if (l <= 98) return cube * ((1911 - 10 * l) / 3) / 500;
      return cube * (160 - l) / 100;
    case 6:
      if (l == 1) return 1;
      if (l <= 15) return cube * ((l + 1) / 3 + 24) / 50;
      if (l <= 36) return cube * (l + 14) / 50;
      return cube * (l / 2 + 32) / 50;
  }
  return -1;
}

// The Pokemon of the calculators' data set, in the byte order of their ids.
struct Mon {
  const char* id;
  const char* name;
  int stats[6];  // HP, Attack, Defense, Speed, Special Attack, Special Defense
  int weight, inches, rate, heavy;
  bool fast;
  int type1, type2, yield, growth, gender;
  int Category(int k) const { return k < 6 ? stats[k] : k == 6 ? weight : inches; }
};

inline const Mon kMons[] = {
    {"0", "Missingno.", {33, 136, 0, 29, 6, 6}, 3507, 120, 29, 0, false, 0, 0, 3, 0, 16},
    {"1", "Bulbasaur", {45, 49, 49, 45, 65, 65}, 15, 28, 45, 1, false, 9, 17, 64, 3, 14},
    {"10", "Caterpie", {45, 30, 35, 45, 20, 20}, 6, 12, 255, 1, false, 13, 0, 53, 2, 8},
    {"113", "Chansey", {250, 5, 5, 50, 35, 105}, 76, 43, 30, 2, false, 1, 0, 255, 1, 0},
    {"129", "Magikarp", {20, 10, 55, 80, 15, 20}, 22, 35, 255, 3, true, 6, 0, 20, 4, 8},
    {"140", "Kabuto", {30, 80, 90, 55, 55, 45}, 25, 20, 45, 1, false, 2, 6, 119, 2, 14},
    {"143", "Snorlax", {160, 110, 65, 30, 65, 110}, 1014, 83, 25, 5, false, 1, 0, 154, 4, 14},
    {"151", "Mew", {100, 100, 100, 100, 100, 100}, 9, 16, 45, 4, false, 12, 0, 64, 4, 17},
    {"292", "Shedinja", {1, 90, 45, 40, 30, 30}, 3, 31, 45, 1, false, 13, 15, 95, 5, 17},
    {"320", "Wailmer", {130, 70, 35, 60, 70, 35}, 287, 79, 125, 4, false, 6, 0, 137, 6, 8},
    {"67", "Machoke", {80, 100, 70, 45, 50, 60}, 155, 59, 90, 3, false, 4, 0, 146, 3, 12},
    {"68", "Machamp", {90, 130, 80, 55, 65, 85}, 287, 62, 45, 4, false, 4, 0, 193, 3, 12},
    {"92", "Gastly", {30, 35, 30, 80, 100, 35}, 0, 51, 190, 1, false, 15, 17, 95, 3, 8},
};

}  // namespace model
