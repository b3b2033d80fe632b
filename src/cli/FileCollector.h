#pragma once

#include <string>
#include <vector>

namespace tw::cli {

struct CollectedFiles {
  std::vector<std::string> files;
  std::vector<std::string> errors;  // paths that are neither a file nor a walkable folder
};

// The files to count, in the order given; a folder (with `recursive`) contributes every file
// under it whose extension the file-type table gives a batch, in sorted path order, without
// following links to folders.
CollectedFiles CollectFiles(const std::vector<std::string>& paths, bool recursive);

}  // namespace tw::cli
