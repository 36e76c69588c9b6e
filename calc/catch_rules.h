#pragma once
#include <array>
#include <cstdint>
#include <string>

// The choices of the catch calculator's status and ball lists, in list
// order, with the item data each entry carries, and the result line.
struct StatusChoice {
  const char* text;
  std::int32_t tenths;  // how the status scales the catch value
};
extern const std::array<StatusChoice, 6> kCatchStatuses;

enum class Ball : std::int32_t {
  kPoke, kGreat, kUltra, kMaster, kHeavy, kFast, kLevel, kLure, kLove, kFriend, kMoon, kPark,
  kDive, kLuxury, kNest, kNet, kPremier, kRepeat, kTimer, kHeal, kCherish, kPalPark, kDusk, kQuick,
};
struct BallChoice {
  const char* text;
  Ball ball;
};
extern const std::array<BallChoice, 24> kCatchBalls;

// Positions in the standard types table that the Net Ball favours.
inline constexpr int kWaterTypePosition = 6;
inline constexpr int kBugTypePosition = 13;

// Everything one "Calculate" has read or worked out before a ball applies.
struct CatchInputs {
  std::int32_t level = 0;  // the wild Pokemon's
  std::int32_t maximum_hp = 0;
  std::int32_t current_hp = 0;
  std::int32_t status_tenths = 10;
  std::int32_t rate = 0;  // the species' catch rate, before a ball changes it
  std::int32_t base_speed = 0;
  std::int32_t heavyballeffect = 0;  // weight class 1 (lightest) to 5
  std::int32_t gender = 0;           // the record's code: sixteenths male, 17 genderless
  std::int32_t dexno = 0;
  int type1 = 0;
  int type2 = 0;
};

// The result line: one chance, "Pokemon is always caught", or for a ball that
// depends on what the dialog cannot know, the chance in each circumstance.
std::string CatchResultText(Ball ball, const CatchInputs& in);
