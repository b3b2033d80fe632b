#pragma once

#include <string>
#include <string_view>

#include "formats/ReadResult.h"

namespace tw {

// Reads a JSON file: one Block piece per string value (object keys are names, not text), escapes
// decoded. A file that is not well-formed JSON is an error that names the file and says why.
ReadResult ReadJson(const std::string& path);

// The pieces of JSON text; throws ContainerError when it is not well-formed (exposed for the
// tests and the fuzzer).
Document ParseJson(std::string_view text, int depthLimit = 256);

}  // namespace tw
