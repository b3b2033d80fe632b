#pragma once

#include "app/FileChooser.h"

namespace tw {

// The file dialog: for saving, the filter the user selects decides the suffix appended to a name
// typed without one, and replacing an existing file is confirmed first.
class DialogFileChooser : public FileChooser {
 public:
  std::optional<std::string> Choose(QWidget* parent, const Request& request) override;
};

}  // namespace tw
