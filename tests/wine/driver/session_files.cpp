// Steps on the files faunary leaves in its working folder.
#include <fstream>
#include <sstream>

#include "session.h"
#include "session_support.h"

namespace {

std::optional<std::string> ReadWorkFile(const std::string& folder, const std::string& name) {
  std::ifstream in(folder + "\\" + name, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

// The text of the settings file's element <key>: the file is small and laid
// out one element per line, so the first <key>...</key> is the setting.
std::string Session::ExpectConfig(const Args& args) {
  const std::optional<std::string> file = ReadWorkFile(setup_.work_dir, "faunary.cfgx");
  if (!file) return "faunary.cfgx cannot be read";
  const std::string open = "<" + args[0] + ">", close = "</" + args[0] + ">";
  const std::size_t start = file->find(open);
  const std::size_t end = start == std::string::npos ? start : file->find(close, start);
  if (end == std::string::npos) return "faunary.cfgx has no element " + args[0] + ":\n" + *file;
  const std::string shown = file->substr(start + open.size(), end - start - open.size());
  return shown == args[1] ? "" : Mismatch({args[1], false}, shown);
}

std::string Session::ExpectFileLines(const Args& args) {
  const std::optional<int> expected = IntArg(args[1]);
  if (!expected) return "the line count must be a number";
  const std::optional<std::string> file = ReadWorkFile(setup_.work_dir, args[0]);
  if (!file) return args[0] + " cannot be read";
  std::size_t lines = 0;
  for (const char c : *file) lines += c == '\n' ? 1 : 0;
  if (!file->empty() && file->back() != '\n') ++lines;
  if (lines != static_cast<std::size_t>(*expected)) return std::to_string(lines) + " lines:\n" + *file;
  return "";
}
