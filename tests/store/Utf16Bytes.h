#pragma once

#include <string>
#include <string_view>

namespace tw::test {

// The UTF-16LE bytes of an ASCII text, spelled out independently of the code under test.
inline std::string AsciiUtf16Le(std::string_view ascii) {
  std::string bytes;
  for (char c : ascii) {
    bytes.push_back(c);
    bytes.push_back('\0');
  }
  return bytes;
}

}  // namespace tw::test
