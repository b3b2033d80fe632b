#pragma once

#include <array>
#include <mutex>

#include "counting/CounterKind.h"

namespace tw {

class Counter;

// Five slots, one per counter kind, each empty or naming the counter of that kind that exists
// during a count run. The window thread asks it whether a counter is busy and sends stop
// requests through it while the run goes on on the worker thread, so every access is locked:
// a counter is never reached after the run has destroyed it.
class CounterRegistry {
 public:
  void Register(CounterKind kind, Counter* counter);
  void Unregister(CounterKind kind);
  void Clear();

  // Whether any registered counter is busy, tested Word, text, PowerPoint, HTML, PDF.
  bool AnyBusy() const;
  // Asks every busy counter to stop, in the order Word, PowerPoint, PDF, text, HTML.
  // Returns how many were asked.
  int RequestStopOfBusy();

 private:
  mutable std::mutex mutex_;
  std::array<Counter*, kCounterKindCount> slots_{};
};

}  // namespace tw
