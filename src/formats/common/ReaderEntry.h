#pragma once

#include <new>
#include <string>

#include "formats/ReadResult.h"
#include "formats/container/ContainerError.h"

namespace tw {

// Runs a reader, turning whatever it throws into this one file's error: "<what> PATH (why)".
template <class Read>
ReadResult ReadGuarded(const std::string& path, const std::string& what, Read&& read) {
  try {
    return read();
  } catch (const ReaderError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return ReaderError("The document is too large to open: " + path);
  } catch (const std::exception& error) {
    return ReaderError(what + " " + path + " (" + error.what() + ")");
  }
}

}  // namespace tw
