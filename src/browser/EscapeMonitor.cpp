#include "browser/EscapeMonitor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

namespace tw {

EscapeMonitor::EscapeMonitor(QObject* parent) : QObject(parent) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

EscapeMonitor::~EscapeMonitor() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

EscapeMonitor* EscapeMonitor::Shared() {
  static QPointer<EscapeMonitor> monitor;
  if (!monitor) monitor = new EscapeMonitor(QCoreApplication::instance());
  return monitor;
}

bool EscapeMonitor::TestAndClear() {
  return pressed_.exchange(false);
}

void EscapeMonitor::Record() {
  pressed_.store(true);
  emit escapePressed();
}

bool EscapeMonitor::eventFilter(QObject* watched, QEvent* event) {
  // A key bound to a shortcut (the window binds Escape) reaches the widgets only as a
  // shortcut override, so both kinds of key event count as a press.
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) Record();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tw
