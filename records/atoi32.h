#pragma once
#include <cstdint>
#include <string_view>

// C atoi semantics (leading white space, optional sign, digits up to the first
// non-digit, 0 when there are none) with a defined 32-bit wrap instead of
// undefined behaviour on overflow: "4294967295" reads back as -1.
std::int32_t Atoi32(std::string_view text);
