// Writes the classes of U+0000-U+FFFF as runs of one class, the source the programs' table of
// the basic plane is made from (CharacterClass.cpp). Run by the build.
// Usage: tallywright-basic-plane-runs OUTPUT
#include <cstdint>
#include <cstdio>
#include <fstream>

#include "text/CharacterClass.h"
#include "text/UnicodeClasses.h"

namespace {

tw::CharClass ClassOf(char32_t codePoint) {
  return codePoint <= 0xFF ? tw::ClassifyByte(static_cast<uint8_t>(codePoint))
                           : tw::UnicodeClassOf(codePoint);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  std::ofstream out(argv[1]);
  out << "// Made by tallywright-basic-plane-runs from ICU's properties: {class, length}.\n";
  char32_t start = 0;
  for (char32_t codePoint = 1; codePoint <= 0x10000; ++codePoint) {
    if (codePoint < 0x10000 && ClassOf(codePoint) == ClassOf(start)) continue;
    out << '{' << static_cast<int>(ClassOf(start)) << ", " << (codePoint - start) << "},\n";
    start = codePoint;
  }
  out.close();
  return out ? 0 : 1;
}
