#pragma once

#include <optional>
#include <string>

#include <QString>
#include <QStringList>

class QWidget;

namespace tw {

// Asks the user for a file to save to or to open. The window uses the file dialog; tests set
// the next answer instead.
class FileChooser {
 public:
  struct Request {
    bool save = true;
    QString title;
    QStringList filters;   // "CSV (*.csv)", ...; the first is selected
    QStringList suffixes;  // the suffix appended for each filter to a name typed without one
    QString proposedName;  // save only
  };

  virtual ~FileChooser() = default;
  // The chosen full path, or nothing when the user cancelled.
  virtual std::optional<std::string> Choose(QWidget* parent, const Request& request) = 0;
};

}  // namespace tw
