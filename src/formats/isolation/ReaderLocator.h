#pragma once

#include <string>

namespace tw {

// Where the reader helper program is, in this order: the program TALLYWRIGHT_READER names when it
// is set (then nothing else); the folder of the running program; the installed location, first
// relative to the running program (a moved installation), then under the configured prefix; the
// build tree, for tests and programs run from it. Throws ReaderError, saying where it looked,
// when none holds it.
std::string FindReaderProgram();

}  // namespace tw
