#pragma once
#include <cstddef>
#include <optional>
#include <string>

// Whether path names a regular file (after following symbolic links). A
// directory, device or pipe where a file belongs is treated as no file: such
// a path can neither be sized nor read to an end.
bool IsRegularFile(const std::string& path);

// The whole content of a regular file, or nothing when path names no regular
// file, cannot be read, or holds more than max_bytes. The string has room for
// `spare` more bytes, so that a caller can append them without copying it.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t max_bytes, std::size_t spare = 0);
