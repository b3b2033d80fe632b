#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tw {

// A loaded PDF's pages, as the PDF module reads them.
class PdfPageSource {
 public:
  virtual ~PdfPageSource() = default;
  virtual int PageCount() const = 0;
  // The text of page `index` (0-based) in reading order; empty for a page that cannot be made.
  virtual std::u16string PageText(int index) const = 0;
};

// Why a PDF is not there to read.
enum class PdfLoadFailure : uint8_t { Unreadable, NeedsPassword };

// The PDF module's entry points (libtallywright-pdf.so, function "tw_pdf_module"). A load hands
// over a source the caller owns, or null with `failure` set.
struct PdfModule {
  PdfPageSource* (*loadFile)(const std::string& path, PdfLoadFailure& failure);
  // `data` must outlive the source.
  PdfPageSource* (*loadData)(std::span<const char> data, PdfLoadFailure& failure);
  // Keeps the library's diagnostics off the terminal.
  void (*silenceDiagnostics)();
};

}  // namespace tw
