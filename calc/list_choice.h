#pragma once
#include <cstdint>

// One entry of a fixed list with the item data it carries.
struct ListChoice {
  const char* text;
  std::int32_t data;
};
