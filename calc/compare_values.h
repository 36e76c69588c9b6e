#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "calc/list_choice.h"

struct IndexEntry;

// Item data of the "Lowest" and "Highest" entries of a comparison choice box
// ("None" carries the empty text, a Pokemon its id).
inline constexpr const char* kCompareLowest = "<!CRTRLOW!>";
inline constexpr const char* kCompareHighest = "<!CRTRHIGH!>";

// The category box, in list order; the item data is the category number.
extern const std::array<ListChoice, 8> kCompareCategories;
inline constexpr std::int32_t kCompareWeight = 6;
inline constexpr std::int32_t kCompareHeight = 7;

// A Pokemon's value in a category 0-7 as stored (the height in inches).
// False for any other category.
bool StoredCategoryValue(const IndexEntry& entry, std::int32_t category, std::int32_t& value);

// The value a choice-box selection contributes to the graph: 0 for "None"
// and for the empty id; a weight of 0 or less counts as 1 here.
std::int32_t CompareValue(const std::string& selection, std::int32_t category);

// The id of the Pokemon with the lowest (highest) stored value; ties keep the
// first in index order. The empty id for an empty index or a bad category.
std::string FindLowest(std::int32_t category);
std::string FindHighest(std::int32_t category);

inline constexpr int kCompareBarCount = 5;
inline constexpr std::int32_t kCompareBarLength = 425;

// Bar widths in pixels: the largest value fills the full length. When no
// value is above 0 every bar is 0 wide, and a value below 0 gives width 0.
std::array<std::int32_t, kCompareBarCount> CompareBarWidths(
    const std::array<std::int32_t, kCompareBarCount>& values);
