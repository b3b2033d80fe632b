#include "formats/pdf/PdfReader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <new>
#include <variant>

#include "formats/common/LoadableModule.h"
#include "formats/pdf/PdfTextExtractor.h"

namespace tw {
namespace {

// What the page's text puts between words.
bool IsSeparator(char16_t unit) {
  return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r' || unit == u'\f';
}

// A page's words with the separators between them; those after the last word (the line and page
// ends) are nothing of the page's.
std::u16string PageText(std::u16string text) {
  while (!text.empty() && IsSeparator(text.back())) text.pop_back();
  return text;
}

// A file that cannot be opened at all says so plainly, in the system's words.
void CheckReadable(const std::string& path) {
  if (access(path.c_str(), R_OK) != 0) {
    const std::string reason = std::strerror(errno);
    throw ReaderError("cannot open " + path + " (" + reason + ")", ReaderError::Cause::Other,
                      reason);
  }
}

PdfTextExtractor Load(const std::string& path) {
  CheckReadable(path);
  // Once for the process: documents may be read on several threads at once.
  static std::once_flag silenced;
  std::call_once(silenced, PdfTextExtractor::SilenceDiagnostics);
  auto loaded = PdfTextExtractor::LoadFile(path);
  if (auto* document = std::get_if<PdfTextExtractor>(&loaded)) return std::move(*document);
  if (std::get<PdfTextExtractor::LoadFailure>(loaded) ==
      PdfTextExtractor::LoadFailure::NeedsPassword) {
    throw ReaderError("The document needs a password to open: " + path,
                      ReaderError::Cause::NeedsPassword);
  }
  throw ReaderError("cannot open " + path + ": it is damaged or not a PDF",
                    ReaderError::Cause::Other, "damaged or not a PDF");
}

ReadResult ReadPages(const std::string& path, const StopFlag* stop, const PageSink& sink) {
  const PdfTextExtractor extractor = Load(path);
  Document document;
  const int pages = extractor.PageCount();
  for (int page = 0; page < pages; ++page) {
    if (stop != nullptr && stop->load()) return ReadResult::Stopped{};
    TextPiece piece;
    piece.kind = PieceKind::PdfPage;
    piece.text = PageText(extractor.PageText(page));
    piece.container = page;
    if (sink) {
      sink(std::move(piece));
    } else {
      document.pieces.push_back(std::move(piece));
    }
  }
  return document;
}

}  // namespace

ReadResult ReadPdfDocument(const std::string& path, const StopFlag* stop, const PageSink& sink) {
  try {
    return ReadPages(path, stop, sink);
  } catch (const ReaderError& error) {
    return error;
  } catch (const ModuleMissing& missing) {
    // Only a broken installation gets here; the message says what is broken.
    const std::string why = std::string("cannot read PDF files: ") + missing.what();
    return ReaderError(why, ReaderError::Cause::Other, why);
  } catch (const std::bad_alloc&) {
    return ReaderError("not enough memory to read " + path);
  }
}

}  // namespace tw
