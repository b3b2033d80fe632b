#pragma once

#include <optional>
#include <string>

#include "counting/CountOptions.h"
#include "counting/FileCountResult.h"
#include "formats/Document.h"
#include "formats/ReadResult.h"

namespace tw {

// The counts of a presentation: the text of every shape of every slide (group members and table
// cells included), each slide's footer with "Count in headers and footers", the notes, comments,
// chart and diagram texts when their content switches are on, then the title master's text
// frames once. A hidden slide's text counts only with the hidden switch. Each text is judged by the
// plain-text rules on its own, so a word never runs from one shape into the next. `stop` is tested
// before each shape; nullopt when it was set.
std::optional<FileCounts> CountPresentationDocument(const Document& document,
                                                    const CountOptions& options,
                                                    const StopFlag& stop);

// Reads and counts a .ppt or .pptx file; a file that cannot be read fails with "PowerPoint - "
// and the reader's reason.
FileCountResult CountPresentationFile(const std::string& path, const CountOptions& options,
                                      const StopFlag& stop);
// Counts what a reader made of such a file, wherever it read it.
FileCountResult CountPresentationRead(const ReadResult& read, const CountOptions& options,
                                      const StopFlag& stop);

}  // namespace tw
