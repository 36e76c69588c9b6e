// faunary_wine_driver <faunary.exe> <working-folder> <session-script> <output-folder>
// The end-to-end test's driver: runs one session script against the real
// program (under Wine in the test, on Windows just as well) and exits 0 when
// every step passed, 1 otherwise, 2 on bad usage.
#include <cstdio>

#include "win32_session.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: faunary_wine_driver <faunary.exe> <working-folder> <session-script> <output-folder>\n");
    return 2;
  }
  ParsedScript parsed = ReadScript(argv[3]);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "%s\n", parsed.error.c_str());
    return 2;
  }
  const bool passed = RunWin32Session(std::move(parsed.steps), {argv[1], argv[2], argv[4]});
  std::printf("%s: %s\n", argv[3], passed ? "PASSED" : "FAILED");
  return passed ? 0 : 1;
}
