#include "formats/pdf/PdfReader.h"

#include <new>

#include "formats/pdf/PdfDocumentSession.h"

namespace tw {

ReadResult ReadPdfDocument(const std::string& path, const StopFlag* stop,
                           const PdfHelperLimits& limits) {
  PdfDocumentSession session(limits);
  if (!session.Open(path)) return ReaderError("The file could not be opened: " + path);
  Document document;
  try {
    for (long page = 0; page < session.PageCount(); ++page) {
      if (stop != nullptr && stop->load()) return ReadResult::Stopped{};
      std::shared_ptr<const PdfPageText> text = session.Page(page);
      std::u16string joined;
      for (size_t i = 0; i < text->ItemCount(); ++i) joined += text->Item(i);
      document.Add(PieceKind::PdfPage, std::move(joined), static_cast<int>(page));
    }
  } catch (const ReaderError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return ReaderError("The document is too large to read: " + path);
  }
  return document;
}

}  // namespace tw
