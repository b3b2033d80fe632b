#pragma once

namespace tw {

// An open PDF document, obtained from a document view. Failed calls throw AutomationError.
class PDDoc {
 public:
  virtual ~PDDoc() = default;
  virtual void Close() = 0;
  virtual long GetNumPages() = 0;
};

}  // namespace tw
