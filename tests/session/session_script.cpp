#include "session_script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

namespace {

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
    } else if (++at == line.size()) {
      break;
    } else if (line[at] == 'x') {
      unsigned byte = 0;
      const char* digits = line.data() + at + 1;
      if (line.size() < at + 3 || std::from_chars(digits, digits + 2, byte, 16).ptr != digits + 2)
        return "\\x needs two hex digits";
      out.push_back(static_cast<char>(byte));
      at += 2;
    } else if (line[at] == 'n' || line[at] == '"' || line[at] == '\\') {
      out.push_back(line[at] == 'n' ? '\n' : line[at]);
    } else {
      return std::string("unknown escape \\") + line[at];
    }
  }
  return "unterminated text";
}

}  // namespace

ParsedScript ParseScript(std::string_view text) {
  ParsedScript parsed;
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> words;
    for (std::size_t at = 0; at < line.size();) {
      if (std::isspace(static_cast<unsigned char>(line[at]))) {
        ++at;
      } else if (line[at] == '#' && words.empty()) {
        break;
      } else if (line[at] != '"') {
        const std::size_t stop = std::min(line.find_first_of(" \t", at), line.size());
        words.push_back(line.substr(at, stop - at));
        at = stop;
      } else if (std::string error = QuotedText(line, at, words.emplace_back()); !error.empty()) {
        parsed.error = "line " + std::to_string(number) + ": " + error;
        return parsed;
      }
    }
    if (!words.empty())
      parsed.steps.push_back({number, words.front(), std::vector<std::string>(words.begin() + 1, words.end())});
  }
  return parsed;
}

ParsedScript ReadScript(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  ParsedScript parsed = file ? ParseScript(text.str()) : ParsedScript{{}, "cannot be read"};
  if (!parsed.error.empty()) parsed.error = path + ": " + parsed.error;
  return parsed;
}
