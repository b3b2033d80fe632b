#pragma once

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

#include "formats/Document.h"

namespace tw {

// Why a reader could not read a file, in the words the user sees ("The document is
// password-protected: /jobs/a.docx"). Inside the formats layer it may be thrown; a reader's entry
// point hands it out as a value, never as an exception.
class ReaderError : public std::runtime_error {
 public:
  // Among the reasons, a missing password is one the user can do something about.
  enum class Cause : uint8_t { Other, NeedsPassword };

  explicit ReaderError(const std::string& reason, Cause cause = Cause::Other,
                       std::string detail = {})
      : std::runtime_error(reason), cause_(cause), detail_(std::move(detail)) {}
  std::string Reason() const { return what(); }
  Cause GetCause() const { return cause_; }
  // The cause alone, without the file's name ("Permission denied", "damaged or not a PDF"), for
  // messages that name the file their own way; empty when the reader has none to give.
  const std::string& Detail() const { return detail_; }

 private:
  Cause cause_;
  std::string detail_;
};

// A stop request the reader tests between pages or parts of a long document.
using StopFlag = std::atomic<bool>;

// What reading one file came to: the document, the reason it could not be read, or a stop
// request honoured while reading.
class ReadResult {
 public:
  struct Stopped {};

  ReadResult(Document document) : value_(std::move(document)) {}  // NOLINT: implicit on purpose
  ReadResult(ReaderError error) : value_(std::move(error)) {}     // NOLINT
  ReadResult(Stopped stopped) : value_(stopped) {}                // NOLINT

  bool Ok() const { return std::holds_alternative<Document>(value_); }
  bool WasStopped() const { return std::holds_alternative<Stopped>(value_); }
  const Document& Doc() const { return std::get<Document>(value_); }
  Document& Doc() { return std::get<Document>(value_); }
  const ReaderError& Error() const { return std::get<ReaderError>(value_); }

 private:
  std::variant<Document, ReaderError, Stopped> value_;
};

}  // namespace tw
