#pragma once

#include <QObject>
#include <atomic>

namespace tw {

// An application-wide event filter that remembers whether Escape was pressed since the last test
// and tells whoever listens at once (the subtree walk stops on it).
class EscapeMonitor : public QObject {
  Q_OBJECT
 public:
  explicit EscapeMonitor(QObject* parent = nullptr);
  ~EscapeMonitor() override;

  // The monitor installed on the running application (created on first use, owned by the
  // application object).
  static EscapeMonitor* Shared();

  // True when Escape was pressed since the last call; clears the record.
  bool TestAndClear();
  // Records a press and emits escapePressed (on the thread that calls it).
  void Record();
  void Clear() { pressed_.store(false); }

 signals:
  void escapePressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::atomic<bool> pressed_{false};
};

}  // namespace tw
