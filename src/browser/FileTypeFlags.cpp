#include "browser/FileTypeFlags.h"

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
    case FileType::Odt:
      return CountOdt;
    case FileType::Xliff:
      return CountXliff;
    case FileType::Po:
      return CountPo;
    case FileType::Sub:
      return CountSub;
    case FileType::Md:
      return CountMd;
    case FileType::More:
      return CountMore;
    case FileType::Pdf:
      break;
  }
  return CountPdf;
}

int FileTypeFlags::Flag(FileType type) const {
  return const_cast<FileTypeFlags*>(this)->Flag(type);
}

bool FileTypeFlags::AcceptsPath(std::string_view path) const {
  const FileTypeEntry* entry = FileTypeOfPath(path);
  return entry != nullptr && Flag(entry->box) != 0;
}

}  // namespace tw
