#pragma once
// A session script: one command per line, then its arguments: bare words, or
// double-quoted texts with the escapes \" \\ \n and \xHH (texts are code page
// 1252 bytes, like the program's). '#' starts a comment line.
#include <string>
#include <string_view>
#include <vector>

struct Step {
  int line = 0;
  std::string command;
  std::vector<std::string> args;
};

struct ParsedScript {
  std::vector<Step> steps;
  std::string error;  // "line N: ..." when the script is malformed
};

ParsedScript ParseScript(std::string_view text);
// The script in that file; the error names the file.
ParsedScript ReadScript(const std::string& path);
