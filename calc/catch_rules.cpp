#include "calc/catch_rules.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "calc/catch_value.h"
#include "calc/wrap32.h"

const std::array<StatusChoice, 6> kCatchStatuses{{
    {"Normal", kNoStatusTenths},
    {"Burn", kBurnPoisonParalysisTenths},
    {"Poison", kBurnPoisonParalysisTenths},
    {"Paralyze", kBurnPoisonParalysisTenths},
    {"Freeze", kSleepFreezeTenths},
    {"Sleep", kSleepFreezeTenths},
}};

const std::array<BallChoice, 24> kCatchBalls{{
    {"Pokeball", Ball::kPoke},         {"Great Ball", Ball::kGreat},     {"Ultra Ball", Ball::kUltra},
    {"Master Ball", Ball::kMaster},    {"Heavy Ball", Ball::kHeavy},     {"Fast Ball", Ball::kFast},
    {"Level Ball", Ball::kLevel},      {"Lure Ball", Ball::kLure},       {"Love Ball", Ball::kLove},
    {"Friend Ball", Ball::kFriend},    {"Moon Ball", Ball::kMoon},       {"Park Ball", Ball::kPark},
    {"Dive Ball", Ball::kDive},        {"Luxury Ball", Ball::kLuxury},   {"Nest Ball", Ball::kNest},
    {"Net Ball", Ball::kNet},          {"Premier Ball", Ball::kPremier}, {"Repeat Ball", Ball::kRepeat},
    {"Timer Ball", Ball::kTimer},      {"Heal Ball", Ball::kHeal},       {"Cherish Ball", Ball::kCherish},
    {"Park Ball (DP)", Ball::kPalPark}, {"Dusk Ball", Ball::kDusk},      {"Quick Ball", Ball::kQuick},
}};

namespace {

constexpr const char* kAlwaysCaught = "Pokemon is always caught";

// HeartGold's sMoonBallPokemon: whole families, not only the Pokemon a Moon
// Stone evolves (the Nidoran, Clefairy, Jigglypuff and Skitty lines).
constexpr std::array<std::int32_t, 14> kMoonBallDexNumbers{29, 30, 31, 32, 33, 34, 173, 35, 36, 174, 39, 40, 300, 301};

// The Apricorn balls change the rate itself, which then stays within the
// byte the game keeps (a rate below 0 becomes 1; 0 itself stays).
std::int32_t ClampRate(std::int32_t rate) {
  if (rate > 255) return 255;
  return rate < 0 ? 1 : rate;
}

// HeartGold's Heavy Ball: +20, +30, +40 from 204.8, 307.2 and 409.6 kg
// (weight classes 3 to 5); every lighter Pokemon loses 20.
std::int32_t HeavyBallRate(std::int32_t rate, std::int32_t weight_class) {
  switch (weight_class) {
    case 3: return Add32(rate, 20);
    case 4: return Add32(rate, 30);
    case 5: return Add32(rate, 40);
    default: return Sub32(rate, 20);
  }
}

// "6.2%": tenths of a per cent, rounded down.
std::string Percent(std::int32_t chance) {
  return std::to_string(chance / 10) + "." + std::to_string(chance % 10) + "%";
}

class Chances {
 public:
  explicit Chances(const CatchInputs& in) : in_(in) {}
  std::int32_t Of(std::int32_t rate, std::int32_t ball_tenths) const {
    return CatchChance(CatchValue(ClampRate(rate), ball_tenths, in_.maximum_hp, in_.current_hp, in_.status_tenths));
  }
  std::string Text(std::int32_t rate, std::int32_t ball_tenths = 10) const { return Percent(Of(rate, ball_tenths)); }
  // A chance on its own; a certain catch says so.
  std::string Alone(std::int32_t rate, std::int32_t ball_tenths = 10) const {
    const std::int32_t chance = Of(rate, ball_tenths);
    return chance == kCertainCatch ? kAlwaysCaught : Percent(chance);
  }

 private:
  const CatchInputs& in_;
};

// HeartGold's Level Ball compares your level with the wild one's: x2 once
// yours halved (rounded down) is no more than its, x4 once yours quartered is,
// x8 beyond. Only the bands a level of 100 or less reaches are named.
std::string LevelBallText(const Chances& f, const CatchInputs& in) {
  const std::int32_t l = in.level;
  const std::pair<std::int32_t, std::int32_t> bands[] = {{4 * l + 4, 8}, {2 * l + 2, 4}, {l + 1, 2}};
  std::string text;
  for (const auto& [from, factor] : bands) {
    if (from > 100) continue;
    text += text.empty() ? "Your level is " : "; else, your level is ";
    text += std::to_string(from) + " or higher: " + f.Text(Mul32(factor, in.rate));
  }
  if (text.empty()) return f.Alone(in.rate);
  return text + "; else " + f.Text(in.rate);
}

bool HasBothGenders(std::int32_t gender) { return gender > 0 && gender < 16; }

}  // namespace

std::string CatchResultText(Ball ball, const CatchInputs& in) {
  const Chances f(in);
  const std::int32_t r = in.rate;
  switch (ball) {
    case Ball::kMaster:
    case Ball::kPalPark: return kAlwaysCaught;
    case Ball::kGreat:
    case Ball::kPark: return f.Alone(r, 15);
    case Ball::kUltra: return f.Alone(r, 20);
    case Ball::kHeavy: return f.Alone(HeavyBallRate(r, in.heavyballeffect));
    case Ball::kFast: return f.Alone(in.base_speed >= 100 ? Mul32(4, r) : r);
    case Ball::kLevel: return LevelBallText(f, in);
    case Ball::kLure: return f.Text(Mul32(3, r)) + " when fishing, " + f.Text(r) + " when not";
    case Ball::kLove:
      if (!HasBothGenders(in.gender)) return f.Alone(r);
      return f.Text(Mul32(8, r)) + " if yours is the same Pokemon of the other gender, else " + f.Text(r);
    case Ball::kMoon: {
      const bool family = std::find(kMoonBallDexNumbers.begin(), kMoonBallDexNumbers.end(), in.dexno) !=
                          kMoonBallDexNumbers.end();
      return f.Alone(family ? Mul32(4, r) : r);
    }
    case Ball::kDive: return f.Text(r, 35) + " when diving, else " + f.Text(r);
    case Ball::kNest: return f.Alone(r, in.level < 30 ? 40 - in.level : 10);
    case Ball::kNet: {
      const bool favoured = in.type1 == kWaterTypePosition || in.type1 == kBugTypePosition ||
                            in.type2 == kWaterTypePosition || in.type2 == kBugTypePosition;
      return f.Alone(r, favoured ? 30 : 10);
    }
    case Ball::kRepeat: return f.Text(r, 30) + " when already caught; " + f.Text(r) + " otherwise.";
    case Ball::kTimer: return "Goes from " + f.Text(r) + " to " + f.Text(r, 40) + " as time passes";
    case Ball::kDusk: return f.Text(r) + "; " + f.Text(r, 35) + " at night or in a cave";
    case Ball::kQuick: return f.Text(r, 40) + " on the first turn, else " + f.Text(r);
    case Ball::kPoke:
    case Ball::kFriend:
    case Ball::kLuxury:
    case Ball::kPremier:
    case Ball::kHeal:
    case Ball::kCherish: break;
  }
  return f.Alone(r);
}
