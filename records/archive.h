#pragma once
#include <string>

// The archive "faunary.dat" is a plain concatenation of records, each
//   "|{ name } content ||
// with no header or index. Lookup scans from the first byte on every call.
enum class ArchiveLookup {
  kNotFound,      // no archive, no record of that name, or the archive ends inside a record header
  kFound,         // content holds the record's bytes (never empty)
  kEmptyContent,  // a record of that name exists but holds nothing
};

inline constexpr const char* kArchiveFileName = "faunary.dat";

ArchiveLookup FindArchiveRecord(const std::string& archive_path, const std::string& name,
                                std::string& content);
