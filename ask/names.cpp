#include "ask/names.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace ask {

std::string NameKey(const std::string& name) {
  std::string key;
  for (const char c : name) {
    if (c >= 'A' && c <= 'Z')
      key += static_cast<char>(c - 'A' + 'a');
    else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
      key += c;
  }
  return key;
}

std::size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::vector<std::string> ClosestNames(const std::string& wanted,
                                      const std::vector<std::string>& candidates,
                                      std::size_t count) {
  const std::string key = NameKey(wanted);
  std::vector<std::pair<std::size_t, std::size_t>> ranked;  // distance, candidate
  for (std::size_t i = 0; i < candidates.size(); ++i)
    ranked.emplace_back(EditDistance(key, NameKey(candidates[i])), i);
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  std::vector<std::string> closest;
  for (const auto& [distance, i] : ranked) {
    if (closest.size() == count) break;
    if (std::find(closest.begin(), closest.end(), candidates[i]) == closest.end())
      closest.push_back(candidates[i]);
  }
  return closest;
}

}  // namespace ask
