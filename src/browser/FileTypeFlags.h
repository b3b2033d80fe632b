#pragma once

#include <string>
#include <string_view>

namespace tw {

// The seven countable types the user can tick under the file list, in check-box order.
enum class FileType { Doc, Rtf, Xls, Txt, Htm, Ppt, Pdf };

// The seven enabled-type flags (0 or 1 each) and the extension test the file list filters by.
struct FileTypeFlags {
  int CountDoc = 0;
  int CountRtf = 0;
  int CountXls = 0;
  int CountTxt = 0;
  int CountHtm = 0;
  int CountPPT = 0;
  int CountPdf = 0;

  int& Flag(FileType type);
  int Flag(FileType type) const;

  // The last four characters of a file name, lower-cased; a shorter name is its own key. The dot
  // is part of the three-letter keys (".doc") and absent from the four-letter ones ("docx").
  static std::string ExtensionKey(std::string_view fileName);

  // True when the key belongs to a type whose flag is set.
  bool Accepts(std::string_view extensionKey) const;
  bool AcceptsFileName(std::string_view fileName) const { return Accepts(ExtensionKey(fileName)); }
};

}  // namespace tw
