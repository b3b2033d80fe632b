#include "formats/spreadsheet/SpreadsheetReader.h"

#include "formats/common/ReaderEntry.h"
#include "formats/container/ZipPackage.h"
#include "formats/opendocument/OdfPackage.h"
#include "formats/spreadsheet/OdsReader.h"
#include "formats/spreadsheet/XlsxReader.h"

namespace tw {
namespace {

Document ReadByContent(const std::string& path) {
  if (IsOpenDocumentPackage(path) || IsFlatOpenDocument(path)) return ReadOdsDocument(path);
  return ReadXlsxDocument(path);
}

}  // namespace

ReadResult ReadSpreadsheet(const std::string& path) {
  return ReadGuarded(path, "The spreadsheet cannot be read:", [&] { return ReadByContent(path); });
}

}  // namespace tw
