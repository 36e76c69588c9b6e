// faunary_wine_driver <faunary.exe> <working-folder> <session-script> <output-folder>
// The end-to-end test's driver: runs one session script against the real
// program (under Wine in the test, on Windows just as well) and exits 0 when
// every step passed, 1 otherwise, 2 on bad usage.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "scenario.h"
#include "session.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: faunary_wine_driver <faunary.exe> <working-folder> <session-script> <output-folder>\n");
    return 2;
  }
  std::ifstream script_file(argv[3], std::ios::binary);
  if (!script_file) {
    std::fprintf(stderr, "cannot read %s\n", argv[3]);
    return 2;
  }
  std::ostringstream script;
  script << script_file.rdbuf();
  const ParsedScenario parsed = ParseScenario(script.str());
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "%s: %s\n", argv[3], parsed.error.c_str());
    return 2;
  }
  bool passed = false;
  {
    Session session({argv[1], argv[2], argv[4]});
    passed = session.Run(parsed.steps);
  }
  std::printf("%s: %s\n", argv[3], passed ? "PASSED" : "FAILED");
  return passed ? 0 : 1;
}
