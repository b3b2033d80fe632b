#pragma once

#include "counting/ByteFileCounter.h"

namespace tw {

// Counts plain-text files byte by byte (or code point by code point for Unicode text).
class TextCounter : public ByteFileCounter {
 public:
  TextCounter(CountHost& host, CountContext& context)
      : ByteFileCounter(CounterKind::Text, host, context) {}

 protected:
  void TakeOptions(const CountOptions& options) override {
    extraSymbolsAsWords_ = options.extraSymbolsAsWords;
  }
  ReadStatus ScanFile(const std::string& path, FileCounts& counts) override;

 private:
  bool extraSymbolsAsWords_ = false;
};

}  // namespace tw
