#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "formats/pdf/PdfPageSource.h"

namespace tw {

// Reads the words of a PDF's pages with poppler, through the PDF module (loaded on first use;
// ModuleMissing when it cannot be). Runs in the helper process (or in-process where a crash is
// acceptable, as under the fuzzer).
class PdfTextExtractor {
 public:
  using LoadFailure = PdfLoadFailure;

  // The document at `path`, or why poppler cannot load it.
  static std::variant<PdfTextExtractor, LoadFailure> LoadFile(const std::string& path);
  // The same for a document in memory; `data` must outlive the extractor.
  static std::optional<PdfTextExtractor> LoadData(std::span<const char> data);

  int PageCount() const { return pages_->PageCount(); }
  // The text of page `index` (0-based) in reading order; empty for a page poppler cannot make.
  std::u16string PageText(int index) const { return pages_->PageText(index); }

  // Keeps poppler's diagnostics off the terminal: a damaged file is reported per file instead.
  static void SilenceDiagnostics();

 private:
  explicit PdfTextExtractor(std::unique_ptr<PdfPageSource> pages) : pages_(std::move(pages)) {}

  std::unique_ptr<PdfPageSource> pages_;
};

}  // namespace tw
