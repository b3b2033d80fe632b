#include "text/CharacterClass.h"

#include <array>
#include <cstddef>

#include "text/UnicodeClasses.h"

namespace tw {
namespace {

struct ClassRun {
  uint8_t charClass;
  uint32_t length;
};

// The build works the basic plane's classes out from ICU's properties (tools/BasicPlaneRuns.cpp),
// which costs more at every start than counting a small file.
constexpr ClassRun kBasicPlaneRuns[] = {
#include "BasicPlaneRuns.inc"
};

constexpr size_t CodePointsCovered() {
  size_t covered = 0;
  for (const ClassRun& run : kBasicPlaneRuns) covered += run.length;
  return covered;
}
static_assert(CodePointsCovered() == 0x10000);

constexpr std::array<CharClass, 0x10000> Expand() {
  std::array<CharClass, 0x10000> classes{};
  size_t next = 0;
  for (const ClassRun& run : kBasicPlaneRuns) {
    for (uint32_t i = 0; i < run.length; ++i)
      classes[next++] = static_cast<CharClass>(run.charClass);
  }
  return classes;
}

constexpr std::array<CharClass, 0x10000> kBasicPlane = Expand();
static_assert(kBasicPlane['a'] == ClassifyByte('a') && kBasicPlane[0xFF] == ClassifyByte(0xFF));

}  // namespace

const CharClass* BasicPlaneClasses() {
  return kBasicPlane.data();
}

CharClass ClassifyCodePoint(char32_t codePoint) {
  if (codePoint < 0x10000) return kBasicPlane[codePoint];
  if (codePoint > 0x10FFFF) return CharClass::ExtraSymbol;
  return UnicodeClassOf(codePoint);
}

}  // namespace tw
