#pragma once
#include <cstdint>

// The calculators' formulas are 32-bit integer formulas. For every input the
// dialogs offer and every value the game data holds they never leave the int
// range; these helpers keep a hand-edited data file with absurd numbers from
// turning that into undefined behaviour: they wrap as a 32-bit machine does.
constexpr std::int32_t Add32(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr std::int32_t Sub32(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

constexpr std::int32_t Mul32(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
