#include "session_script.h"

#include <algorithm>
#include <cctype>

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the quoted text starting at line[at] == '"' into `out` and moves `at`
// past it; returns what is wrong with it, or "".
std::string QuotedText(std::string_view line, std::size_t& at, std::string& out) {
  for (++at; at < line.size(); ++at) {
    if (line[at] == '"') {
      ++at;
      return "";
    }
    if (line[at] != '\\') {
      out.push_back(line[at]);
      continue;
    }
    if (++at >= line.size()) break;
    switch (line[at]) {
      case 'n': out.push_back('\n'); break;
      case '"': out.push_back('"'); break;
      case '\\': out.push_back('\\'); break;
      case 'x': {
        const int high = at + 1 < line.size() ? HexDigit(line[at + 1]) : -1;
        const int low = at + 2 < line.size() ? HexDigit(line[at + 2]) : -1;
        if (high < 0 || low < 0) return "\\x needs two hex digits";
        out.push_back(static_cast<char>(high * 16 + low));
        at += 2;
        break;
      }
      default: return std::string("unknown escape \\") + line[at];
    }
  }
  return "unterminated text";
}

}  // namespace

ParsedScript ParseScript(std::string_view text) {
  ParsedScript parsed;
  int line_number = 0;
  for (std::size_t line_start = 0; line_start <= text.size();) {
    std::size_t line_end = text.find('\n', line_start);
    if (line_end == std::string_view::npos) line_end = text.size();
    std::string_view line = text.substr(line_start, line_end - line_start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++line_number;
    line_start = line_end + 1;

    std::vector<std::string> words;
    for (std::size_t at = 0; at < line.size();) {
      if (std::isspace(static_cast<unsigned char>(line[at]))) {
        ++at;
      } else if (line[at] == '#' && words.empty()) {
        break;
      } else if (line[at] == '"') {
        const std::string error = QuotedText(line, at, words.emplace_back());
        if (!error.empty()) {
          parsed.error = "line " + std::to_string(line_number) + ": " + error;
          return parsed;
        }
      } else {
        const std::size_t stop = std::min(line.find_first_of(" \t", at), line.size());
        words.emplace_back(line.substr(at, stop - at));
        at = stop;
      }
    }
    if (words.empty()) continue;
    Step& step = parsed.steps.emplace_back(Step{line_number, std::move(words.front()), {}});
    step.args.assign(std::make_move_iterator(words.begin() + 1), std::make_move_iterator(words.end()));
  }
  return parsed;
}
