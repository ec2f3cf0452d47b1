#include <iostream>
#include <string>
#include <vector>

#include "app/cli/befehle.h"
#ifdef MORVANE_MIT_CHART
#include "app/chartbefehl.h"
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> argumente(argv + 1, argv + argc);
  std::vector<morvane::TCliBefehl> zusatz;
#ifdef MORVANE_MIT_CHART
  zusatz = morvane::Chartbefehle();
#endif
  return morvane::CliAusfuehren(argumente, std::cout, std::cerr, zusatz);
}
