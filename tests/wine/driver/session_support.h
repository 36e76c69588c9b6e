#pragma once
// Small helpers the session's steps share: argument parsing, text
// expectations, and showing texts in messages.
#include <optional>
#include <string>
#include <vector>

// A text the user should see: exactly, or as the start of what is shown
// (written `prefix "text"` in a script).
struct TextExpectation {
  std::string text;
  bool prefix = false;
  bool Matches(const std::string& shown) const {
    return prefix ? shown.compare(0, text.size(), text) == 0 : shown == text;
  }
};

// Reads `[prefix] "text"` from args[at]; nullopt when missing.
std::optional<TextExpectation> ExpectationAt(const std::vector<std::string>& args, std::size_t at);

std::optional<int> IntArg(const std::string& word);

// The text in script notation, quotes and escapes included.
std::string Show(const std::string& text);
std::string Mismatch(const TextExpectation& expected, const std::string& shown);
