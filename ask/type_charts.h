#pragma once
#include <string>
#include <vector>

namespace ask {

// Damage multipliers in 1024ths: x1 is 1024, x1/2 is 512, x0 is 0.
inline constexpr int kTimesOne = 1024;

// The attacking types of a generation's chart, as type keys of the data
// ("normal", "fire", ...): 15 in generation 1, 17 from generation 2.
const std::vector<std::string>& ChartTypes(int generation);

// The multiplier of one attacking type on one defending type (keys) in the
// generation's chart; x1 for a pair the chart does not list.
int TypeMultiplier(int generation, const std::string& attack, const std::string& defend);

}  // namespace ask
