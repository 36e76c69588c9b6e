#pragma once
// The games' formulas written out plainly, step by step as the games compute
// them, and the facts of the calculators' data set, to compare the program with.
#include <algorithm>
#include <cstdint>
#include <string>

namespace model {

// A number 0 to n - 1 from a generator of the test.
template <typename Random>
int Pick(Random& random, int n) {
  return static_cast<int>(random() % static_cast<unsigned>(n));
}

inline int StatGen12(int base, int level, int dv, int statexp, bool hp) {
  if (hp && base == 1) return 1;
  return base * level / 50 + (hp ? level + 10 : 5) + dv * level / 50 + level * statexp / 100;
}

// Personality 0 neutral, 1 hindering, 2 helping: a factor in floating point.
inline int StatGen34(int base, int level, int iv, int effort, bool hp, int personality) {
  if (hp && base == 1) return 1;
  const int s = level * base / 50 + (hp ? level + 10 : 5) + iv * level / 100 + level * (effort / 4) / 100;
  const double factor[] = {1.0, 0.9, 1.1};
  return static_cast<int>(s * factor[personality]);
}

// Each step rounded to the x87 extended format, then truncated.
inline int Catch(int maximum, int current, int rate, int bonus) {
  const long double q = static_cast<long double>(current) / maximum;
  const long double p = (2.0L - q) * static_cast<long double>(2 * rate);
  return static_cast<int>(p) + bonus + 1;
}

// The Heavy Ball's change of the rate by weight class (1 lightest, 5 heaviest).
inline int HeavyBallRate(int rate, int weight_class) {
  const int change[] = {-20, -20, 0, 20, 30, 40};
  return std::max(0, rate + (weight_class >= 1 && weight_class <= 5 ? change[weight_class] : -20));
}

struct CatchCase {
  int level, maximum, current, bonus, rate;
  bool fast;
  int heavy, type1, type2;
};

// The result line of a ball rule.
inline std::string CatchText(int rule, const CatchCase& c) {
  const auto f = [&](int rate) { return std::to_string(Catch(c.maximum, c.current, rate, c.bonus)); };
  const int r = c.rate;
  const int l = c.level;
  const bool net = c.type1 == 6 || c.type1 == 13 || c.type2 == 6 || c.type2 == 13;  // Water, Bug
  switch (rule) {
    case 0: return f(r) + "%";
    case 1: return f(3 * r / 2) + "%";
    case 2: return f(2 * r) + "%";
    case 3: return "Pokemon is always caught";
    case 4: return f(HeavyBallRate(r, c.heavy)) + "%";
    case 5: return f(c.fast ? 4 * r : r) + "%";
    case 6:
      return "Your level is " + std::to_string(4 * l) + " or higher: " + f(8 * r) + "%; else, your level is " +
             std::to_string(2 * l) + "or higher: " + f(4 * r) + "%; else, your level is " + std::to_string(l) +
             " or higher: " + f(2 * r) + "%; else " + f(r) + "%";
    case 7: return f(3 * r) + "% when fishing, " + f(r) + "% when not";
    case 8: return f(8 * r) + "% if Pokemon are of different genders, else " + f(r) + "%";
    case 9: return f(7 * r / 2) + "% when diving, else " + f(r) + "%";
    case 10: return f(net ? 3 * r : r) + "%";
    case 11: return f(3 * r) + "% when already caught; " + f(r) + "% otherwise.";
    case 12:
    case 14: return "Goes from " + f(r) + "% to " + f(4 * r) + "% as time passes";
    case 13: return f(r) + "%; " + f(4 * r) + "during the night or in the dark";
  }
  return "?";
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
  int type1, type2, yield, growth;
  int Category(int k) const { return k < 6 ? stats[k] : k == 6 ? weight : inches; }
};

inline const Mon kMons[] = {
    {"0", "Missingno.", {33, 136, 0, 29, 6, 6}, 3507, 120, 29, 0, false, 0, 0, 143, 0},
    {"1", "Bulbasaur", {45, 49, 49, 45, 65, 65}, 15, 28, 45, 1, false, 9, 17, 64, 3},
    {"10", "Caterpie", {45, 30, 35, 45, 20, 20}, 6, 12, 255, 1, false, 13, 0, 53, 2},
    {"113", "Chansey", {250, 5, 5, 50, 35, 105}, 76, 43, 30, 2, false, 1, 0, 255, 1},
    {"129", "Magikarp", {20, 10, 55, 80, 15, 20}, 22, 35, 255, 3, true, 6, 0, 20, 4},
    {"140", "Kabuto", {30, 80, 90, 55, 55, 45}, 25, 20, 45, 1, false, 2, 6, 119, 2},
    {"143", "Snorlax", {160, 110, 65, 30, 65, 110}, 1014, 83, 25, 5, false, 1, 0, 154, 4},
    {"151", "Mew", {100, 100, 100, 100, 100, 100}, 9, 16, 45, 4, false, 12, 0, 64, 4},
    {"292", "Shedinja", {1, 90, 45, 40, 30, 30}, 3, 31, 45, 1, false, 13, 15, 95, 5},
    {"320", "Wailmer", {130, 70, 35, 60, 70, 35}, 287, 79, 125, 4, false, 6, 0, 137, 6},
    {"67", "Machoke", {80, 100, 70, 45, 50, 60}, 155, 59, 90, 3, false, 4, 0, 146, 3},
    {"68", "Machamp", {90, 130, 80, 55, 65, 85}, 287, 62, 45, 4, false, 4, 0, 193, 3},
    {"92", "Gastly", {30, 35, 30, 80, 100, 35}, 0, 51, 190, 1, false, 15, 17, 95, 3},
};

}  // namespace model
