#include "browser/FileTypeFlags.h"

#include <algorithm>

namespace tw {

int& FileTypeFlags::Flag(FileType type) {
  switch (type) {
    case FileType::Doc:
      return CountDoc;
    case FileType::Rtf:
      return CountRtf;
    case FileType::Xls:
      return CountXls;
    case FileType::Txt:
      return CountTxt;
    case FileType::Htm:
      return CountHtm;
    case FileType::Ppt:
      return CountPPT;
    case FileType::Pdf:
      break;
  }
  return CountPdf;
}

int FileTypeFlags::Flag(FileType type) const {
  return const_cast<FileTypeFlags*>(this)->Flag(type);
}

std::string FileTypeFlags::ExtensionKey(std::string_view fileName) {
  std::string key(fileName.size() < 4 ? fileName : fileName.substr(fileName.size() - 4));
  // Only ASCII letters take part in the keys, so a byte-wise lower-casing is exact here.
  std::transform(key.begin(), key.end(), key.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return key;
}

bool FileTypeFlags::Accepts(std::string_view key) const {
  return (CountDoc && (key == ".doc" || key == "docx")) || (CountTxt && key == ".txt") ||
         (CountRtf && key == ".rtf") || (CountXls && key == ".xls") ||
         (CountHtm && (key == ".htm" || key == "html")) ||
         (CountPPT && (key == ".ppt" || key == "pptx")) || (CountPdf && key == ".pdf");
}

}  // namespace tw
