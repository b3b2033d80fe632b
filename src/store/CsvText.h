#pragma once

#include <string>
#include <vector>

namespace tw {

// A CSV field as RFC 4180 has it: quoted, with inner quotes doubled, when it holds a comma, a
// quote or a line break; as it is otherwise.
std::string CsvField(const std::string& text);

// Fields joined by commas, ended by CR LF.
std::string CsvRecord(const std::vector<std::string>& fields);

}  // namespace tw
