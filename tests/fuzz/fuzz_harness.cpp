#include "fuzz/fuzz_harness.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/startup.h"
#include "records/report.h"
#include "support/temp_workdir.h"

namespace fs = std::filesystem;

namespace {
std::unique_ptr<TempWorkdir> dir;  // removed at exit
}

void EnterFuzzWorkdir(const std::string& fixture) {
  if (dir) return;
  const bool committed = fixture == "committed";
  dir = std::make_unique<TempWorkdir>(committed ? "" : fixture);
  if (committed) fs::copy(fs::path(FAUNARY_REPO_DIR) / "data", "data", fs::copy_options::recursive);
  StartAfresh();
}

void StartAfresh() {
  ResetProgramState();
  SetReportHook([](const std::string&, const std::string&, unsigned) {});
}

void WriteFile(const std::string& path, const std::string& bytes) { dir->Write(path, bytes); }
std::string ReadFile(const std::string& path) { return dir->Read(path); }

std::string AsString(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

void FuzzCheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}
