#pragma once

#include <string>

namespace tw {

// A word selection on a page: text items whose texts, joined in index order, are the selected
// text with its separators. Failed calls throw AutomationError.
class PDTextSelect {
 public:
  virtual ~PDTextSelect() = default;
  virtual long GetNumText() = 0;
  virtual std::u16string GetText(long index) = 0;
};

}  // namespace tw
