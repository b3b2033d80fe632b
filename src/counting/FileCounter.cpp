#include "counting/FileCounter.h"

#include <sys/stat.h>

#include "counting/ByteFileCounter.h"
#include "counting/PdfCounter.h"
#include "counting/PowerPointCounter.h"
#include "counting/TextDocumentCounter.h"
#include "counting/WordCounter.h"

namespace tw {
namespace {

// A FIFO, device or socket named like a document would block or never end in a reader that
// opens it as a stream; every counter refuses it the way the text counter always has.
bool IsSpecialFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

}  // namespace

FileCountResult CountFileOfBatch(CounterKind kind, const std::string& path,
                                 const CountOptions& options, const StopFlag& stop,
                                 DocumentReader& reader, int threads) {
  // The text counter's own open refuses such files; a stat more would cost small files dear.
  if (kind != CounterKind::Text && IsSpecialFile(path)) {
    return FileCountResult::Failed("Couldn't open file: " + path + " (not a regular file)");
  }
  switch (kind) {
    case CounterKind::Text:
      return CountTextFile(path, options, threads);
    case CounterKind::Html:
      return CountHtmlFile(path, options, threads);
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
