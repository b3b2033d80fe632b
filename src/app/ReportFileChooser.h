#pragma once

#include <optional>
#include <string>

class QWidget;

namespace tw {

// Asks the user where to save the report. The window uses the save dialog; tests set the next
// name instead.
class ReportFileChooser {
 public:
  virtual ~ReportFileChooser() = default;
  // The chosen full path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseReportPath(QWidget* parent) = 0;
};

}  // namespace tw
