#pragma once

#include <QApplication>
#include <cstdlib>

namespace morvane::bench {

// The one application object of a benchmark of the Qt layers, on the
// offscreen platform unless another is asked for.
inline QApplication& Anwendung() {
  static int argc = 1;
  static char name[] = "morvane";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication anwendung(argc, argv);
  return anwendung;
}

}  // namespace morvane::bench
