#pragma once

#include <string>

namespace tw::word {

// The arguments of Documents.Open, in Word's order.
struct OpenArguments {
  std::string fileName;
  bool confirmConversions = false;
  bool readOnly = false;
  bool addToRecentFiles = false;
  std::string passwordDocument;
  std::string passwordTemplate;
  bool revert = false;
  std::string writePasswordDocument;
  std::string writePasswordTemplate;
  int format = 0;
};

}  // namespace tw::word
