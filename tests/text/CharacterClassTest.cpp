#include "text/CharacterClass.h"

#include <gtest/gtest.h>

#include "text/UnicodeClasses.h"

namespace tw {
namespace {

// The table the build made holds, for every code point of the basic plane, what the byte table
// and ICU say of it now.
TEST(CharacterClass, TheBasicPlaneTableIsWhatTheByteTableAndIcuSay) {
  const CharClass* table = BasicPlaneClasses();
  int differing = 0;
  for (char32_t codePoint = 0; codePoint < 0x10000; ++codePoint) {
    const CharClass expected = codePoint <= 0xFF ? ClassifyByte(static_cast<uint8_t>(codePoint))
                                                 : UnicodeClassOf(codePoint);
    if (table[codePoint] != expected || ClassifyCodePoint(codePoint) != expected) {
      ADD_FAILURE() << "U+" << std::hex << static_cast<uint32_t>(codePoint);
      if (++differing == 10) return;
    }
  }
  EXPECT_EQ(ClassifyCodePoint(0x4E00), CharClass::Ideograph);
  EXPECT_EQ(ClassifyCodePoint(0x20000), CharClass::Ideograph) << "above the plane, from ICU";
  EXPECT_EQ(ClassifyCodePoint(0x110000), CharClass::ExtraSymbol) << "no code point";
}

}  // namespace
}  // namespace tw
