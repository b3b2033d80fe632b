#pragma once

#include <string>
#include <string_view>

#include "formats/ReadResult.h"

namespace tw {

// Reads comma-separated (.csv) or tab-separated (.tsv) values: one SheetCell piece per cell
// holding text. CSV cells may be quoted (a doubled quote stands for one, and line breaks inside
// quotes stay in the cell); TSV cells are taken as written. Cells that are just a number are not
// text, as in a spreadsheet. The error names the file and says why.
ReadResult ReadDelimited(const std::string& path, char delimiter);

// The pieces of delimited text (exposed for the tests and the fuzzer).
Document ParseDelimited(std::string_view text, char delimiter);

}  // namespace tw
