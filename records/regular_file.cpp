#include "records/regular_file.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

namespace {
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// The file's size as the open stream sees it; 0 when it cannot tell.
std::size_t SizeOf(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long size = std::ftell(file);
  std::rewind(file);
  return size > 0 ? static_cast<std::size_t>(size) : 0;
}
}  // namespace

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::optional<FileBytes> ReadRegularFile(const std::string& path, std::size_t max_bytes, std::size_t spare) {
  if (!IsRegularFile(path)) return std::nullopt;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  // Reads go straight into the buffer, one read for the size taken now. The
  // file may change under us: a byte more is asked for, and a file that grew
  // is read on in pieces, so the cap holds whatever it grows to.
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  const std::size_t size = SizeOf(file.get());
  if (size > max_bytes) return std::nullopt;
  constexpr std::size_t kPiece = 64 * 1024;
  FileBytes content;
  std::size_t asked = size + 1;
  content.capacity = asked + spare;
  content.data = std::make_unique_for_overwrite<char[]>(content.capacity);
  std::size_t got = std::fread(content.data.get(), 1, asked, file.get());
  while (got == asked) {
    if (got > max_bytes) return std::nullopt;
    asked = got + kPiece;
    auto larger = std::make_unique_for_overwrite<char[]>(asked + spare);
    std::memcpy(larger.get(), content.data.get(), got);
    content.data = std::move(larger);
    content.capacity = asked + spare;
    got += std::fread(content.data.get() + got, 1, kPiece, file.get());
  }
  if (got > max_bytes || std::ferror(file.get())) return std::nullopt;
  content.size = got;
  return content;
}
