#include <iostream>
#include <string>
#include <vector>

#include "shell/native_locations.h"
#include "textui/text_front_end.h"

int main(int argc, char** argv) {
  // The working folder's data, else the installed data set and the user's settings.
  PrepareNativeLocations(argc > 0 ? argv[0] : nullptr);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunTextFrontEnd(args, std::cout, std::cerr);
}
