#include "calc/catch_rules.h"

#include <algorithm>

#include "calc/catch_value.h"
#include "calc/wrap32.h"

const std::array<StatusChoice, 6> kCatchStatuses{{
    {"Normal", 0}, {"Burn", 5}, {"Poison", 5}, {"Paralyze", 5}, {"Freeze", 10}, {"Sleep", 10},
}};

const std::array<BallChoice, 24> kCatchBalls{{
    {"Pokeball", 0},     {"Great Ball", 1},     {"Ultra Ball", 2},  {"Master Ball", 3},
    {"Heavy Ball", 4},   {"Fast Ball", 5},      {"Level Ball", 6},  {"Lure Ball", 7},
    {"Love Ball", 8},    {"Friend Ball", 0},    {"Moon Ball", 0},   {"Park Ball", 1},
    {"Dive Ball", 9},    {"Luxury Ball", 0},    {"Nest Ball", 6},   {"Net Ball", 10},
    {"Premier Ball", 0}, {"Repeat Ball", 11},   {"Timer Ball", 12}, {"Heal Ball", 0},
    {"Cherish Ball", 0}, {"Park Ball (DP)", 3}, {"Dusk Ball", 13},  {"Quick Ball", 14},
}};

namespace {

// A value shown on its own: unsigned decimal and a percent sign.
std::string Percent(std::int32_t value) {
  return std::to_string(static_cast<std::uint32_t>(value)) + "%";
}

std::string Signed(std::int32_t value) { return std::to_string(value); }

// Weight classes run from 1 (lightest) to 5 (409.6 kg and more); as in the
// games, the heaviest class adds 40.
std::int32_t HeavyBallRate(std::int32_t rate, std::int32_t weight_class) {
  switch (weight_class) {
    case 2: return rate;
    case 3: return Add32(rate, 20);
    case 4: return Add32(rate, 30);
    case 5: return Add32(rate, 40);
    default: return std::max(Sub32(rate, 20), 0);
  }
}

}  // namespace

std::optional<std::string> CatchResultText(std::int32_t rule, const CatchInputs& in) {
  const auto f = [&](std::int32_t rate) {
    return CatchValue(in.maximum_hp, in.current_hp, rate, in.status_bonus);
  };
  const std::int32_t r = in.rate;
  const std::int32_t level = in.level;
  switch (rule) {
    case 0: return Percent(f(r));
    case 1: return Percent(f(Mul32(3, r) / 2));
    case 2: return Percent(f(Mul32(2, r)));
    case 3: return "Pokemon is always caught";
    case 4: return Percent(f(HeavyBallRate(r, in.heavyballeffect)));
    case 5: return Percent(f(in.fastballeffect ? Mul32(4, r) : r));
    case 6:
      return "Your level is " + Signed(Mul32(4, level)) + " or higher: " + Signed(f(Mul32(8, r))) +
             "%; else, your level is " + Signed(Mul32(2, level)) + "or higher: " +
             Signed(f(Mul32(4, r))) + "%; else, your level is " + Signed(level) +
             " or higher: " + Signed(f(Mul32(2, r))) + "%; else " + Signed(f(r)) + "%";
    case 7: return Signed(f(Mul32(3, r))) + "% when fishing, " + Signed(f(r)) + "% when not";
    case 8:
      return Signed(f(Mul32(8, r))) + "% if Pokemon are of different genders, else " +
             Signed(f(r)) + "%";
    case 9: return Signed(f(Mul32(7, r) / 2)) + "% when diving, else " + Signed(f(r)) + "%";
    case 10: {
      const bool favoured = in.type1 == kWaterTypePosition || in.type1 == kBugTypePosition ||
                            in.type2 == kWaterTypePosition || in.type2 == kBugTypePosition;
      return Percent(f(favoured ? Mul32(3, r) : r));
    }
    case 11:
      return Signed(f(Mul32(3, r))) + "% when already caught; " + Signed(f(r)) + "% otherwise.";
    case 12:
    case 14:
      return "Goes from " + Signed(f(r)) + "% to " + Signed(f(Mul32(4, r))) + "% as time passes";
    case 13: return Signed(f(r)) + "%; " + Signed(f(Mul32(4, r))) + "during the night or in the dark";
    default: return std::nullopt;
  }
}
