#include "fuzz/fuzz_harness.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "records/report.h"
#include "support/temp_workdir.h"

namespace fs = std::filesystem;

void EnterFuzzWorkdir(const std::string& fixture) {
  static std::unique_ptr<TempWorkdir> dir;  // removed at exit
  if (dir) return;
  const bool committed = fixture == "committed";
  dir = std::make_unique<TempWorkdir>(committed ? "" : fixture);
  if (committed) fs::copy(fs::path(FAUNARY_REPO_DIR) / "data", "data", fs::copy_options::recursive);
  SetReportHook([](const std::string&, const std::string&, unsigned) {});
}

void WriteFile(const std::string& path, const std::string& bytes) {
  const fs::path file(path);
  if (file.has_parent_path()) fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
  std::ostringstream all;
  all << std::ifstream(path, std::ios::binary).rdbuf();
  return all.str();
}

std::string AsString(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

void FuzzCheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}
