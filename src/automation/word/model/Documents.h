#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/word/model/Document.h"
#include "automation/word/model/OpenArguments.h"

namespace tw::word {

// The open documents of the application.
class Documents {
 public:
  virtual ~Documents() = default;
  virtual std::unique_ptr<word::Document> Open(const OpenArguments& arguments) = 0;
  virtual std::unique_ptr<word::Document> Item(int32_t index) = 0;  // 1-based
  // Closes every open document.
  virtual void Close(int saveChanges, int originalFormat, int routeDocument) = 0;
};

}  // namespace tw::word
