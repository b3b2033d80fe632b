#include "formats/pdf/PdfTextExtractor.h"

#include "formats/common/LoadableModule.h"

namespace tw {
namespace {

const PdfModule& Module() {
  static const LoadableModule module("tallywright-pdf");
  static const PdfModule& table = module.EntryTable<PdfModule>("tw_pdf_module");
  return table;
}

}  // namespace

std::variant<PdfTextExtractor, PdfTextExtractor::LoadFailure> PdfTextExtractor::LoadFile(
    const std::string& path) {
  LoadFailure failure = LoadFailure::Unreadable;
  std::unique_ptr<PdfPageSource> pages(Module().loadFile(path, failure));
  if (!pages) return failure;
  return PdfTextExtractor(std::move(pages));
}

std::optional<PdfTextExtractor> PdfTextExtractor::LoadData(std::span<const char> data) {
  LoadFailure failure = LoadFailure::Unreadable;
  std::unique_ptr<PdfPageSource> pages(Module().loadData(data, failure));
  if (!pages) return std::nullopt;
  return PdfTextExtractor(std::move(pages));
}

void PdfTextExtractor::SilenceDiagnostics() {
  Module().silenceDiagnostics();
}

}  // namespace tw
