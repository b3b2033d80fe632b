#include "app/CountWorker.h"

#include <exception>
#include <string>

#include "counting/CountContext.h"
#include "counting/CountHost.h"
#include "counting/CountRun.h"
#include "counting/CounterFactory.h"

namespace tw {

CountWorker::CountWorker(CountHost& host, CountContext& context, QObject* parent)
    : QThread(parent), host_(host), context_(context) {}

void CountWorker::run() {
  const StandardCounterFactory standard;
  try {
    OnCountStatistic(host_, context_, factory_ != nullptr ? *factory_ : standard);
  } catch (const std::exception& error) {
    // A failure no counter caught ends the run, not the program. The counter that threw is gone,
    // so its registry slot must not name it any more.
    context_.counters.Clear();
    host_.Messages().Show(std::string("Counting stopped: ") + error.what());
  }
}

}  // namespace tw
