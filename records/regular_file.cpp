#include "records/regular_file.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
}  // namespace

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t max_bytes) {
  if (!IsRegularFile(path)) return std::nullopt;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  // Read in pieces rather than trusting a size taken beforehand: the file
  // may change under us, and the cap holds whatever it grows to.
  std::string content;
  char piece[64 * 1024];
  for (;;) {
    const std::size_t got = std::fread(piece, 1, sizeof piece, file.get());
    if (got > max_bytes - content.size()) return std::nullopt;
    content.append(piece, got);
    if (got < sizeof piece) break;
  }
  if (std::ferror(file.get())) return std::nullopt;
  return content;
}
