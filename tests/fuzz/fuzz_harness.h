#pragma once
// Shared by the libFuzzer targets: one private working directory per process
// (the program reads data/, faunary.dat and faunary.cfgx relative to it),
// files written there from fuzzed bytes, and reports that go nowhere.
#include <cstddef>
#include <cstdint>
#include <string>

// Enters a fresh working directory holding a copy of tests/fixtures/<fixture>,
// or of the committed data/ for "committed"; only the first call does anything.
void EnterFuzzWorkdir(const std::string& fixture);
// The program as a process that has just started, with reports that go nowhere.
void StartAfresh();
// Writes a file below the working directory, making folders.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
std::string AsString(const std::uint8_t* data, std::size_t size);

// A fuzzer's verdict when a property fails: a message and an abort.
#define FUZZ_CHECK(condition) \
  ((condition) ? (void)0 : FuzzCheckFailed(#condition, __FILE__, __LINE__))
[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);
