#include "browser/EscapeMonitor.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QPointer>

namespace tw {
namespace {

bool IsHeldOffDuringAWalk(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    // A close request during a walk would open the exit question inside the walk, where the
    // question could not be answered; the user stops the walk with Escape first.
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

EscapeMonitor::EscapeMonitor(QObject* parent) : QObject(parent) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

EscapeMonitor::~EscapeMonitor() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

EscapeMonitor* EscapeMonitor::Application() {
  static QPointer<EscapeMonitor> monitor;
  if (!monitor) monitor = new EscapeMonitor(QCoreApplication::instance());
  return monitor;
}

bool EscapeMonitor::TestAndClear() {
  return pressed_.exchange(false);
}

bool EscapeMonitor::Poll(const std::function<void()>& beforeDelivery) {
  if (gates_ > 0) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - lastDeliveryMs_ >= pollIntervalMs_) {
      if (beforeDelivery) beforeDelivery();
      QCoreApplication::processEvents();
      lastDeliveryMs_ = QDateTime::currentMSecsSinceEpoch();
    }
  }
  return TestAndClear();
}

bool EscapeMonitor::eventFilter(QObject* watched, QEvent* event) {
  // A key bound to a shortcut (the window binds Escape) reaches the widgets only as a
  // shortcut override, so both kinds of key event count as a press.
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) Record();
  }
  if (gates_ == 0) return QObject::eventFilter(watched, event);
  // Shortcuts reach actions, not widgets; a menu command must not start inside the walk either.
  if (event->type() == QEvent::Shortcut) return true;
  if (IsHeldOffDuringAWalk(event->type()) && watched->isWidgetType()) return true;
  return QObject::eventFilter(watched, event);
}

EscapeMonitor::InputGate::InputGate(EscapeMonitor* monitor) : monitor_(monitor) {
  ++monitor_->gates_;
  monitor_->lastDeliveryMs_ = QDateTime::currentMSecsSinceEpoch();
}

EscapeMonitor::InputGate::~InputGate() {
  --monitor_->gates_;
}

}  // namespace tw
