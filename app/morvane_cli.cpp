#include <iostream>
#include <string>
#include <vector>

#include "app/cli/befehle.h"

int main(int argc, char** argv) {
  const std::vector<std::string> argumente(argv + 1, argv + argc);
  return morvane::CliAusfuehren(argumente, std::cout, std::cerr);
}
