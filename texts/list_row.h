#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One list-view row as a page composes it: the first column's text with its
// image (a position in the type image list) and item data, then the texts of
// the other columns in column order.
struct ListRow {
  std::string text;
  int image = 0;
  std::intptr_t data = 0;
  std::vector<std::string> cells;
  bool operator==(const ListRow&) const = default;
};
