#pragma once

#include "app/ReportFileChooser.h"

namespace tw {

// The save dialog of "Save Report": one filter "Save as HTML (*.html)", "report.html" proposed,
// "html" appended to a name typed without a suffix, a prompt before an existing file is replaced.
class DialogReportFileChooser : public ReportFileChooser {
 public:
  std::optional<std::string> ChooseReportPath(QWidget* parent) override;
};

}  // namespace tw
