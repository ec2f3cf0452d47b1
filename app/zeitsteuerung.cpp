#include <iostream>

#include "zeitsteuerung/programm.h"

int main(int argc, char** argv) {
  return morvane::ZeitsteuerungProgramm(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                        std::cerr);
}
