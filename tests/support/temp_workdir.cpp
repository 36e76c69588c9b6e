#include "support/temp_workdir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempWorkdir::TempWorkdir(const std::string& fixture) : previous_(fs::current_path()) {
  std::random_device seed;
  for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
    fs::path candidate = fs::temp_directory_path() / ("faunary-test-" + std::to_string(seed()));
    if (fs::create_directory(candidate)) path_ = candidate;
  }
  if (path_.empty()) throw std::runtime_error("cannot make a temporary directory");
  if (!fixture.empty())
    fs::copy(fs::path(FAUNARY_FIXTURES_DIR) / fixture, path_, fs::copy_options::recursive);
  fs::current_path(path_);
}

TempWorkdir::~TempWorkdir() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
  fs::remove_all(path_, ignored);
}

void TempWorkdir::Write(const std::string& relative, const std::string& bytes) const {
  const fs::path file = path_ / relative;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempWorkdir::Read(const std::string& relative) const {
  std::ifstream in(path_ / relative, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

bool TempWorkdir::Exists(const std::string& relative) const { return fs::exists(path_ / relative); }

void TempWorkdir::Remove(const std::string& relative) const { fs::remove_all(path_ / relative); }

std::string ArchiveRecord(const std::string& name, const std::string& content) {
  return "\"|{" + name + "}" + content + "||";
}
