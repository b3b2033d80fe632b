#include "formats/spreadsheet/SpreadsheetReader.h"

#include <fstream>

#include "formats/common/ReaderEntry.h"
#include "formats/container/ZipPackage.h"
#include "formats/opendocument/OdfPackage.h"
#include "formats/spreadsheet/OdsReader.h"
#include "formats/spreadsheet/XlsReader.h"
#include "formats/spreadsheet/XlsxReader.h"

namespace tw {
namespace {

bool IsCompoundFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string head(8, '\0');
  in.read(head.data(), 8);
  return in.gcount() == 8 && head == "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
}

Document ReadByContent(const std::string& path) {
  if (IsCompoundFile(path)) return ReadXlsDocument(path);
  if (IsOpenDocumentPackage(path) || IsFlatOpenDocument(path)) return ReadOdsDocument(path);
  return ReadXlsxDocument(path);
}

}  // namespace

ReadResult ReadSpreadsheet(const std::string& path) {
  return ReadGuarded(path, "The spreadsheet cannot be read:", [&] { return ReadByContent(path); });
}

}  // namespace tw
