#pragma once

#include <memory>

#include "count/Counter.h"

namespace tw {

// Creates the counter of a kind for one count run.
class CounterFactory {
 public:
  virtual ~CounterFactory() = default;
  virtual std::unique_ptr<Counter> Create(CounterKind kind, CountHost& host,
                                          CountContext& context) const = 0;
};

// The counters the program ships.
class StandardCounterFactory : public CounterFactory {
 public:
  std::unique_ptr<Counter> Create(CounterKind kind, CountHost& host,
                                  CountContext& context) const override;
};

}  // namespace tw
