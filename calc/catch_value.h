#pragma once
#include <cstdint>

// The catch formula of HeartGold and SoulSilver (BattleSystem_CalculateBallShakes,
// the same as Platinum's BattleScript_CalcCatchShakes for the balls both have).

// How the wild Pokemon's status scales the catch value, in tenths.
inline constexpr std::int32_t kNoStatusTenths = 10;
inline constexpr std::int32_t kBurnPoisonParalysisTenths = 15;
inline constexpr std::int32_t kSleepFreezeTenths = 20;

// The value the shake checks are drawn against: the rate (after the Apricorn
// balls have changed it) times the ball's multiplier in tenths, times the
// share of HP lost, (3 x maximum - 2 x current) / (3 x maximum), then the
// status; floored at each step as the game does.
std::int64_t CatchValue(std::int32_t rate, std::int32_t ball_tenths, std::int32_t maximum_hp,
                        std::int32_t current_hp, std::int32_t status_tenths);

// The chance that all four shake checks pass, in tenths of a per cent, rounded
// down so that an uncertain catch never reads 100.0%; kCertainCatch from a
// catch value of 255 up, where the game skips the checks.
inline constexpr std::int32_t kCertainCatch = 1000;
std::int32_t CatchChance(std::int64_t catch_value);
