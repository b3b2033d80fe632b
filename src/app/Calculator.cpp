#include "app/Calculator.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace tw {

std::string Calculator::Find() {
  const QStringList names = {"gnome-calculator", "kcalc",         "galculator",
                             "mate-calc",        "qalculate-gtk", "xcalc"};
  for (const QString& name : names) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return path.toStdString();
  }
  return {};
}

bool Calculator::Start() {
  const std::string path = Find();
  if (path.empty()) return false;
  return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace tw
