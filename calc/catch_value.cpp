#include "calc/catch_value.h"

#include <algorithm>
#include <cmath>

namespace {

// The DS's square-root unit in 32-bit mode: the root rounded down.
std::uint32_t FloorSqrt(std::uint32_t n) {
  auto root = static_cast<std::uint32_t>(std::sqrt(static_cast<double>(n)));
  while (std::uint64_t{root} * root > n) --root;
  while (std::uint64_t{root + 1} * (root + 1) <= n) ++root;
  return root;
}

}  // namespace

std::int64_t CatchValue(std::int32_t rate, std::int32_t ball_tenths, std::int32_t maximum_hp,
                        std::int32_t current_hp, std::int32_t status_tenths) {
  // A maximum below 1 only comes from a damaged record: taken as 1.
  const std::int64_t maximum_times3 = 3 * std::int64_t{std::max(maximum_hp, 1)};
  const std::int64_t lost = maximum_times3 - 2 * std::int64_t{std::clamp(current_hp, 0, std::max(maximum_hp, 1))};
  const std::int64_t value = std::int64_t{rate} * ball_tenths / 10 * lost / maximum_times3;
  return value * status_tenths / 10;
}

std::int32_t CatchChance(std::int64_t catch_value) {
  if (catch_value >= 255) return kCertainCatch;
  // A value of 0 (a rate brought down to 0) would divide by zero in the game;
  // no shake check can pass it.
  if (catch_value <= 0) return 0;
  const std::uint32_t inner = FloorSqrt(FloorSqrt(0xFF0000U / static_cast<std::uint32_t>(catch_value)));
  // At most 65535 for values 1-254: each check passes when a 16-bit random
  // number is below it.
  const std::uint64_t shake = 0xFFFF0U / inner;
  // shake^4 / 2^64 exactly, in thousandths: shake^4 fits 64 bits, the factor
  // 1000 is applied to its two halves.
  const std::uint64_t square = shake * shake;
  const std::uint64_t fourth = square * square;
  const std::uint64_t high = (fourth >> 32) * 1000 + (((fourth & 0xFFFFFFFFU) * 1000) >> 32);
  return static_cast<std::int32_t>(high >> 32);
}
