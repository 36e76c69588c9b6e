#pragma once
#include <filesystem>
#include <string>

// A fresh temporary working directory for one test: the program reads
// data/, faunary.dat and faunary.cfgx relative to it. The previous working
// directory comes back and the directory is removed when this goes away.
class TempWorkdir {
 public:
  // Copies the named fixture data set (a folder under tests/fixtures), if any.
  explicit TempWorkdir(const std::string& fixture = "");
  ~TempWorkdir();
  TempWorkdir(const TempWorkdir&) = delete;
  TempWorkdir& operator=(const TempWorkdir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes (or replaces) a file below the working directory, making folders.
  void Write(const std::string& relative, const std::string& bytes) const;
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const;
  void Remove(const std::string& relative) const;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// One archive record in the on-disk format: "|{name}content||
std::string ArchiveRecord(const std::string& name, const std::string& content);
