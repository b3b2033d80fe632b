#pragma once

#include <string_view>

#include "counting/FileTypes.h"

namespace tw {

// The enabled-type flags (0 or 1 each, named as the settings keys), one per type box or entry
// of the window's "More types" menu.
struct FileTypeFlags {
  int CountDoc = 0;
  int CountRtf = 0;
  int CountXls = 0;
  int CountTxt = 0;
  int CountHtm = 0;
  int CountPPT = 0;
  int CountPdf = 0;
  int CountOdt = 0;
  int CountXliff = 0;
  int CountPo = 0;
  int CountSub = 0;
  int CountMd = 0;
  int CountMore = 0;

  int& Flag(FileType type);
  int Flag(FileType type) const;

  // True when the path's extension is in the table of file types and its box is ticked, so the
  // file list lists exactly what the count run and the command line take for that type.
  bool AcceptsPath(std::string_view path) const;
};

}  // namespace tw
