#include "formats/isolation/DocumentFormat.h"

#include "formats/delimited/DelimitedReader.h"
#include "formats/epub/EpubReader.h"
#include "formats/idml/IdmlReader.h"
#include "formats/json/JsonReader.h"
#include "formats/markdown/MarkdownReader.h"
#include "formats/po/PoReader.h"
#include "formats/presentation/PresentationReader.h"
#include "formats/spreadsheet/SpreadsheetReader.h"
#include "formats/subtitle/SubtitleReader.h"
#include "formats/word/WordReader.h"
#include "formats/xliff/XliffReader.h"
#include "formats/xml/XmlTextReader.h"

namespace tw {

ReadResult ReadInThisProcess(DocumentFormat format, const std::string& path, const StopFlag* stop,
                             const PageSink& pages) {
  switch (format) {
    case DocumentFormat::Word:
      return ReadWordDocument(path);
    case DocumentFormat::Presentation:
      return ReadPresentation(path);
    case DocumentFormat::Pdf:
      return ReadPdfDocument(path, stop, pages);
    case DocumentFormat::Spreadsheet:
      return ReadSpreadsheet(path);
    case DocumentFormat::XliffSource:
      return ReadXliff(path, XliffSide::Source);
    case DocumentFormat::XliffTarget:
      return ReadXliff(path, XliffSide::Target);
    case DocumentFormat::Po:
      return ReadPo(path);
    case DocumentFormat::Subtitle:
      return ReadSubtitles(path);
    case DocumentFormat::Markdown:
      return ReadMarkdown(path);
    case DocumentFormat::Csv:
      return ReadDelimited(path, ',');
    case DocumentFormat::Tsv:
      return ReadDelimited(path, '\t');
    case DocumentFormat::Json:
      return ReadJson(path);
    case DocumentFormat::Epub:
      return ReadEpub(path);
    case DocumentFormat::Idml:
      return ReadIdml(path);
    case DocumentFormat::Xml:
      break;
  }
  return ReadXmlText(path);
}

}  // namespace tw
