#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace poppler {
class document;
}

namespace tw {

// Reads the words of a PDF's pages with poppler. Runs in the helper process (or in-process where
// a crash is acceptable, as under the fuzzer).
class PdfTextExtractor {
 public:
  // Why a document is not there to read.
  enum class LoadFailure : uint8_t { Unreadable, NeedsPassword };

  // The document at `path`, or why poppler cannot load it.
  static std::variant<PdfTextExtractor, LoadFailure> LoadFile(const std::string& path);
  // The same for a document in memory; `data` must outlive the extractor.
  static std::optional<PdfTextExtractor> LoadData(std::span<const char> data);

  PdfTextExtractor(PdfTextExtractor&&) noexcept;
  PdfTextExtractor& operator=(PdfTextExtractor&&) noexcept;
  ~PdfTextExtractor();

  int PageCount() const;
  // The text of page `index` (0-based) in reading order; empty for a page poppler cannot make.
  std::u16string PageText(int index) const;

  // Keeps poppler's diagnostics off the terminal: a damaged file is reported per file instead.
  static void SilenceDiagnostics();

 private:
  explicit PdfTextExtractor(std::unique_ptr<poppler::document> document);
  static std::variant<PdfTextExtractor, LoadFailure> Accept(poppler::document* loaded);

  std::unique_ptr<poppler::document> document_;
};

}  // namespace tw
