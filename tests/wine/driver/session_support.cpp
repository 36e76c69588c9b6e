#include "session_support.h"

#include <charconv>
#include <cstdio>

std::optional<TextExpectation> ExpectationAt(const std::vector<std::string>& args, std::size_t at) {
  if (at < args.size() && args[at] == "prefix" && at + 1 < args.size()) return TextExpectation{args[at + 1], true};
  if (at < args.size()) return TextExpectation{args[at], false};
  return std::nullopt;
}

std::optional<int> IntArg(const std::string& word) {
  int value = 0;
  int base = 10;
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    base = 16;
    first += 2;
  }
  const auto [end, error] = std::from_chars(first, last, value, base);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

std::string Show(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (byte < 0x20 || byte >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(byte));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Mismatch(const TextExpectation& expected, const std::string& shown) {
  return std::string("expected ") + (expected.prefix ? "a text starting with " : "") + Show(expected.text) +
         ", shown " + Show(shown);
}
