#pragma once
// What the benchmarks share: a working directory holding the committed data set, and
// a guard that voids a measurement when the program reports a problem.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/startup.h"
#include "records/report.h"

namespace bench_support {

namespace fs = std::filesystem;

enum Source : std::int64_t { kFiles = 0, kArchiveOnly = 1 };

// A temporary working directory holding the committed data set (data/ and faunary.dat,
// or the archive alone); the process works in it while the object lives.
class DataSetDir {
 public:
  explicit DataSetDir(std::int64_t source) : previous_(fs::current_path()) {
    std::random_device seed;
    path_ = fs::temp_directory_path() / ("faunary-bench-" + std::to_string(seed()));
    fs::create_directories(path_);
    const fs::path repo(FAUNARY_REPO_DIR);
    fs::copy_file(repo / "faunary.dat", path_ / "faunary.dat");
    if (source == kFiles) fs::copy(repo / "data", path_ / "data", fs::copy_options::recursive);
    fs::current_path(path_);
  }
  ~DataSetDir() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
  }
  DataSetDir(const DataSetDir&) = delete;
  DataSetDir& operator=(const DataSetDir&) = delete;

 private:
  fs::path previous_;
  fs::path path_;
};

// Any message of the data layer means the data set is broken; the measurement is void.
class MessageCounter {
 public:
  MessageCounter() { Listen(); }
  // Counts again after a reset, which forgets the hook.
  void Listen() {
    SetReportHook([this](const std::string&, const std::string&, unsigned) { ++count_; });
  }
  ~MessageCounter() { SetReportHook(nullptr); }
  MessageCounter(const MessageCounter&) = delete;
  MessageCounter& operator=(const MessageCounter&) = delete;
  int count() const { return count_; }

 private:
  int count_ = 0;
};

// The settings of a second start (the file exists): Pokemon 1 on the Main page, no update check.
inline constexpr const char* kSecondStartSettings =
    "<?xml version=\"1.0\" ?>\n<options version=\"4\">\n    <crtronload>2</crtronload>\n"
    "    <crtrloadpick>1</crtrloadpick>\n    <pageonload>2</pageonload>\n"
    "    <pageloadpick>0</pageloadpick>\n    <autoupdate>0</autoupdate>\n</options>\n";

// The program as a process that has just started, its reports still counted.
inline void StartAfresh(MessageCounter& messages) {
  ResetProgramState();
  messages.Listen();
}

// Writes the settings file into the working directory.
inline void WriteSettings(const char* xml) { std::ofstream("faunary.cfgx", std::ios::binary) << xml; }

}  // namespace bench_support
