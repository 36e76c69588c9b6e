#include "scenario.h"

#include <cctype>

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads one quoted text starting at text[at] == '"'; advances `at` past it.
std::optional<std::string> QuotedText(std::string_view text, std::size_t& at, std::string& error) {
  std::string out;
  for (++at; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '"') {
      ++at;
      return out;
    }
    if (c != '\\') {
      out.push_back(c);
      continue;
    }
    if (++at >= text.size()) break;
    switch (text[at]) {
      case 'n': out.push_back('\n'); break;
      case '"': out.push_back('"'); break;
      case '\\': out.push_back('\\'); break;
      case 'x': {
        const int high = at + 1 < text.size() ? HexDigit(text[at + 1]) : -1;
        const int low = at + 2 < text.size() ? HexDigit(text[at + 2]) : -1;
        if (high < 0 || low < 0) {
          error = "\\x needs two hex digits";
          return std::nullopt;
        }
        out.push_back(static_cast<char>(high * 16 + low));
        at += 2;
        break;
      }
      default:
        error = std::string("unknown escape \\") + text[at];
        return std::nullopt;
    }
  }
  error = "unterminated text";
  return std::nullopt;
}

}  // namespace

ParsedScenario ParseScenario(std::string_view text) {
  ParsedScenario parsed;
  int line_number = 0;
  std::size_t line_start = 0;
  while (line_start <= text.size()) {
    std::size_t line_end = text.find('\n', line_start);
    if (line_end == std::string_view::npos) line_end = text.size();
    std::string_view line = text.substr(line_start, line_end - line_start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++line_number;
    line_start = line_end + 1;

    std::vector<std::string> words;
    std::size_t at = 0;
    std::string error;
    while (at < line.size()) {
      const char c = line[at];
      if (std::isspace(static_cast<unsigned char>(c))) {
        ++at;
      } else if (c == '#' && words.empty()) {
        break;
      } else if (c == '"') {
        std::optional<std::string> quoted = QuotedText(line, at, error);
        if (!quoted) {
          parsed.error = "line " + std::to_string(line_number) + ": " + error;
          return parsed;
        }
        words.push_back(std::move(*quoted));
      } else {
        const std::size_t end = line.find_first_of(" \t", at);
        const std::size_t stop = end == std::string_view::npos ? line.size() : end;
        words.emplace_back(line.substr(at, stop - at));
        at = stop;
      }
    }
    if (words.empty()) continue;
    Step step{line_number, std::move(words.front()), {}};
    step.args.assign(std::make_move_iterator(words.begin() + 1), std::make_move_iterator(words.end()));
    parsed.steps.push_back(std::move(step));
  }
  return parsed;
}
