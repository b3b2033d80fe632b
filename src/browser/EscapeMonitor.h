#pragma once

#include <QObject>
#include <atomic>
#include <functional>

namespace tw {

// An application-wide event filter that remembers whether Escape was pressed since the last test.
// Long walks on the window thread poll it between entries; while such a walk runs, other user
// input is swallowed so that no handler re-enters the walk's widgets.
class EscapeMonitor : public QObject {
  Q_OBJECT
 public:
  explicit EscapeMonitor(QObject* parent = nullptr);
  ~EscapeMonitor() override;

  // The monitor installed on the running application (created on first use, owned by the
  // application object).
  static EscapeMonitor* Application();

  // True when Escape was pressed since the last call; clears the record.
  bool TestAndClear();
  // Delivers pending events (at most every poll interval, and only while an input gate is open;
  // `beforeDelivery` runs first so the caller's widgets are consistent) and then tests and clears.
  bool Poll(const std::function<void()>& beforeDelivery = {});
  void Record() { pressed_.store(true); }
  void Clear() { pressed_.store(false); }
  // Milliseconds between event deliveries in Poll (0: every call).
  void SetPollInterval(int milliseconds) { pollIntervalMs_ = milliseconds; }

  // While a gate lives, user input other than Escape is swallowed and Poll delivers events.
  class InputGate {
   public:
    explicit InputGate(EscapeMonitor* monitor);
    ~InputGate();
    InputGate(const InputGate&) = delete;
    InputGate& operator=(const InputGate&) = delete;

   private:
    EscapeMonitor* monitor_;
  };

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::atomic<bool> pressed_{false};
  int gates_ = 0;
  int pollIntervalMs_ = 25;
  qint64 lastDeliveryMs_ = 0;
};

}  // namespace tw
