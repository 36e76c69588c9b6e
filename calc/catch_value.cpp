#include "calc/catch_value.h"

#include <cmath>
#include <limits>

#include "calc/wrap32.h"

std::int32_t CatchValue(std::int32_t maximum_hp, std::int32_t current_hp, std::int32_t rate,
                        std::int32_t status_bonus) {
  using Extended = long double;
  // A maximum of 0 or less only comes from a damaged record; such a Pokemon
  // is taken as unhurt rather than dividing by zero.
  const Extended q = maximum_hp > 0
                         ? static_cast<Extended>(current_hp) / static_cast<Extended>(maximum_hp)
                         : Extended{1};
  const Extended d = Extended{2} - q;
  const Extended p = d * static_cast<Extended>(Mul32(2, rate));
  // Truncation toward zero; the clamp only matters for absurd rates, whose
  // product would not fit an int.
  constexpr Extended kLow = std::numeric_limits<std::int32_t>::min();
  constexpr Extended kHigh = std::numeric_limits<std::int32_t>::max();
  const std::int32_t whole = static_cast<std::int32_t>(std::trunc(std::fmax(kLow, std::fmin(kHigh, p))));
  return Add32(Add32(whole, status_bonus), 1);
}
