#pragma once

#include <functional>
#include <string>

#include "core/exception.h"

namespace morvane {

// The message of the Exception `f` throws, or a marker when it throws none.
inline std::string AusnahmeMeldung(const std::function<void()>& f) {
  try {
    f();
  } catch (const Exception& e) {
    return e.Meldung();
  }
  return "(keine Ausnahme)";
}

}  // namespace morvane
