#pragma once
#include <cstdint>
#include <limits>

// The catch formula: (2 - current / maximum) x (2 x rate), truncated, plus
// the status bonus plus 1. The three floating-point steps are each rounded
// to a 64-bit significand (x87 extended precision), so the result
// can fall one below the exact rational value (maximum 15, current 10, rate
// 45 gives 119 + bonus + 1, not 120 + bonus + 1).
//
// Where `long double` is the x87 80-bit format (GCC and Clang on x86 and
// x86-64) that is exactly what is computed. Elsewhere `long double` is the
// 53-bit `double` (MSVC, 64-bit ARM on Apple) or a 113-bit format (Linux on
// 64-bit ARM); there borderline cases may come out one higher: the example
// above then gives the exact 120 + bonus + 1.
// kCatchValueExtended tells which kind of build this is.
inline constexpr bool kCatchValueExtended = std::numeric_limits<long double>::digits == 64;

std::int32_t CatchValue(std::int32_t maximum_hp, std::int32_t current_hp, std::int32_t rate,
                        std::int32_t status_bonus);
