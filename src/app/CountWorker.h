#pragma once

#include <QThread>

namespace tw {

class CountHost;
class CounterFactory;
struct CountContext;

// Runs one count run at a time off the window thread. The host it is given carries every call
// back to the window thread; `finished()` reaches the window when the run has unwound.
class CountWorker : public QThread {
  Q_OBJECT

 public:
  CountWorker(CountHost& host, CountContext& context, QObject* parent = nullptr);

  void SetFactory(const CounterFactory* factory) { factory_ = factory; }

 protected:
  void run() override;

 private:
  CountHost& host_;
  CountContext& context_;
  const CounterFactory* factory_ = nullptr;
};

}  // namespace tw
