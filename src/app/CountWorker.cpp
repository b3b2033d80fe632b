#include "app/CountWorker.h"

#include "count/CountRun.h"
#include "count/CounterFactory.h"

namespace tw {

CountWorker::CountWorker(CountHost& host, CountContext& context, QObject* parent)
    : QThread(parent), host_(host), context_(context) {}

void CountWorker::run() {
  const StandardCounterFactory standard;
  OnCountStatistic(host_, context_, factory_ != nullptr ? *factory_ : standard);
}

}  // namespace tw
