#pragma once

#include <chrono>

namespace morvane {

// SIGTERM and SIGINT ask the scheduler to end: the handler only sets a flag
// and wakes a waiting Warten through a pipe, so the scheduler finishes what
// it is doing (a merge) and ends between two steps. One object per process;
// the destructor restores the previous handlers.
class TEndesignal {
 public:
  TEndesignal();
  ~TEndesignal();
  TEndesignal(const TEndesignal&) = delete;
  TEndesignal& operator=(const TEndesignal&) = delete;

  bool Empfangen() const;
  // Sleeps up to `dauer`; returns at once when the signal came (or had come).
  void Warten(std::chrono::milliseconds dauer) const;
};

}  // namespace morvane
