#pragma once

#include <string>

#include "count/Counter.h"

namespace tw {

// A counter whose automation server cannot be created: it shows its message and counts nothing.
class UnavailableServerCounter : public Counter {
 public:
  UnavailableServerCounter(CounterKind kind, std::string message, CountHost& host,
                           CountContext& context)
      : Counter(kind, host, context), message_(std::move(message)) {}

 protected:
  bool StartServer() override {
    ShowMessage(message_);
    return false;
  }
  FileOutcome CountFile(const std::string&) override { return FileOutcome::Skipped; }

 private:
  std::string message_;
};

}  // namespace tw
