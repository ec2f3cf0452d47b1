#include "app/fenster/start.h"

int main(int argc, char** argv) {
  return morvane::MorvaneStarten(argc, argv);
}
