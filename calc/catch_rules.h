#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The choices of the catch calculator's status and ball lists, in list
// order, with the item data each entry carries.
struct StatusChoice {
  const char* text;
  std::int32_t bonus;
};
extern const std::array<StatusChoice, 6> kCatchStatuses;

struct BallChoice {
  const char* text;
  std::int32_t rule;  // several balls share one rule
};
extern const std::array<BallChoice, 24> kCatchBalls;

// Positions in the standard types table that the Net Ball favours.
inline constexpr int kWaterTypePosition = 6;
inline constexpr int kBugTypePosition = 13;

// Everything one "Calculate" has read or worked out before a ball rule applies.
struct CatchInputs {
  std::int32_t level = 0;
  std::int32_t maximum_hp = 0;
  std::int32_t current_hp = 0;
  std::int32_t status_bonus = 0;
  std::int32_t rate = 0;  // the record's catch rate, before the ball changes it
  bool fastballeffect = false;
  std::int32_t heavyballeffect = 0;
  int type1 = 0;
  int type2 = 0;
};

// The result line for a ball rule 0-14; nothing for any other rule number.
std::optional<std::string> CatchResultText(std::int32_t rule, const CatchInputs& in);
