#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

// Whether path names a regular file (after following symbolic links). A
// directory, device or pipe where a file belongs is treated as no file: such
// a path can neither be sized nor read to an end.
bool IsRegularFile(const std::string& path);

// A file's bytes, read into memory that is not cleared first; behind the
// last byte read there is room for at least the spare bytes asked for.
struct FileBytes {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;
  std::size_t capacity = 0;
};

// The whole content of a regular file, or nothing when path names no regular
// file, cannot be read, or holds more than max_bytes. The buffer has room for
// `spare` more bytes, so that a caller can add them without copying it.
std::optional<FileBytes> ReadRegularFile(const std::string& path, std::size_t max_bytes, std::size_t spare = 0);
