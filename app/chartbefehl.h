#pragma once

#include <vector>

#include "app/cli/befehle.h"

namespace morvane {

// The chart command; it needs Qt and is built only with the platform layer.
std::vector<TCliBefehl> Chartbefehle();

}  // namespace morvane
