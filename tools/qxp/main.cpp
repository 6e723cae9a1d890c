// qxp: builds, dumps and checks Selwarth packages.

#include <iostream>
#include <string>
#include <vector>

#include "qxp/commands.h"

int main(int argc, char **argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  return qxp::RunCommandLine(arguments, std::cout, std::cerr);
}
