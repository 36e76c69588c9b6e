#include <iostream>
#include <string>
#include <vector>

#include "textui/text_front_end.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunTextFrontEnd(args, std::cout, std::cerr);
}
