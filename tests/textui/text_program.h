#pragma once
// faunary-text run as a user runs it from a shell, in the current folder.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct TextRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Appends a blank and the word, quoted for the shell.
inline void AppendQuoted(std::string& command, const std::string& word) {
  command.append(" '");
  for (const char c : word) c == '\'' ? command.append("'\\''") : command.append(1, c);
  command.append("'");
}

inline std::string ReadAndRemove(const std::filesystem::path& path) {
  std::stringstream text;
  {
    std::ifstream in(path);
    text << in.rdbuf();
  }
  std::filesystem::remove(path);
  return text.str();
}

// The output goes to files of this process in the temporary folder, not into the folder run in.
inline TextRun RunFaunaryText(const std::vector<std::string>& args) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const std::filesystem::path out = folder / ("faunary-text-" + std::to_string(getpid()) + ".out");
  const std::filesystem::path err = folder / ("faunary-text-" + std::to_string(getpid()) + ".err");
  std::string command;
  AppendQuoted(command, FAUNARY_TEXT_PROGRAM);
  for (const std::string& arg : args) AppendQuoted(command, arg);
  command.append(" >");
  AppendQuoted(command, out.string());
  command.append(" 2>");
  AppendQuoted(command, err.string());
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAndRemove(out), ReadAndRemove(err)};
}
