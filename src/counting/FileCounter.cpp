#include "counting/FileCounter.h"

#include "counting/ByteFileCounter.h"
#include "counting/PdfCounter.h"
#include "counting/PowerPointCounter.h"
#include "counting/TextDocumentCounter.h"
#include "counting/WordCounter.h"

namespace tw {

FileCountResult CountFileOfBatch(CounterKind kind, const std::string& path,
                                 const CountOptions& options, const StopFlag& stop,
                                 DocumentReader& reader) {
  switch (kind) {
    case CounterKind::Text:
      return CountTextFile(path, options);
    case CounterKind::Html:
      return CountHtmlFile(path, options);
    case CounterKind::Word:
      return CountWordRead(reader.Read(DocumentFormat::Word, path, &stop), options);
    case CounterKind::PowerPoint:
      return CountPresentationRead(reader.Read(DocumentFormat::Presentation, path, &stop), options,
                                   stop);
    case CounterKind::Pdf:
      return CountPdfRead(reader.Read(DocumentFormat::Pdf, path, &stop), path, options);
    default:
      break;
  }
  const DocumentFormat format = TextDocumentFormatOf(kind, path, options);
  return CountTextDocumentRead(reader.Read(format, path, &stop), options);
}

}  // namespace tw
