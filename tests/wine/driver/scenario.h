#pragma once
// A session script for the Wine driver: one command per line, then its
// arguments: bare words, or double-quoted texts with the escapes \" \\ \n
// and \xHH (texts are code page 1252 bytes, like the program's). '#' starts
// a comment line.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Step {
  int line = 0;
  std::string command;
  std::vector<std::string> args;
};

struct ParsedScenario {
  std::vector<Step> steps;
  std::string error;  // "line N: ..." when the script is malformed
};

ParsedScenario ParseScenario(std::string_view text);
