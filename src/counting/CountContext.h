#pragma once

#include "counting/CountOptions.h"
#include "counting/CountTotals.h"
#include "counting/CounterRegistry.h"

namespace tw {

class ServerRegistry;

// The application-wide values a count run shares with the window: run totals, the counter
// registry, the current values, the option switches and the automation servers to use.
struct CountContext {
  CountTotals totals;
  CounterRegistry counters;
  CurrentValues current;
  CountOptions options;
  ServerRegistry* servers = nullptr;  // null: every automation server is unavailable
};

}  // namespace tw
