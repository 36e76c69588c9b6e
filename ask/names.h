#pragma once
#include <string>
#include <vector>

namespace ask {

// A name as users type it: lower case letters and digits only, so that
// "Mr. Mime", "mr mime" and "MR-MIME" are one key, as are "Farfetch'd" and
// "farfetchd".
std::string NameKey(const std::string& name);

// Levenshtein distance between two keys.
std::size_t EditDistance(const std::string& a, const std::string& b);

// Up to `count` of the candidates closest to `wanted` by edit distance of
// their keys (ties in candidate order); for an unknown name's message.
std::vector<std::string> ClosestNames(const std::string& wanted,
                                      const std::vector<std::string>& candidates,
                                      std::size_t count = 3);

}  // namespace ask
