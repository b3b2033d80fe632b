#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/TempDir.h"
#include "text/CharsetDetection.h"

namespace tw {
namespace {

std::span<const uint8_t> AsBytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string Fixture(const std::string& name) {
  std::ifstream in(test::FixturePath("text/" + name), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Encode(const char* charset, const std::string& utf8) {
  std::string out(utf8.size() * 4 + 16, '\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length =
      ucnv_convert(charset, "UTF-8", out.data(), static_cast<int32_t>(out.size()), utf8.data(),
                   static_cast<int32_t>(utf8.size()), &error);
  EXPECT_TRUE(U_SUCCESS(error)) << charset;
  out.resize(static_cast<size_t>(length));
  return out;
}

TEST(CharsetDetection, NamesMultiByteCharsetsOfRealText) {
  const struct {
    const char* fixture;
    const char* charset;
  } cases[] = {
      {"shift-jis.txt", "Shift_JIS"},  {"big5.txt", "Big5"},
      {"euc-kr.txt", "EUC-KR"},        {"gb18030.txt", "GB18030"},
      {"shift-jis.html", "Shift_JIS"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DetectMultiByteCharset(AsBytes(Fixture(c.fixture))), c.charset) << c.fixture;
  }
  const std::string japanese = "東京の会社で翻訳の仕事をしています。日本語の文書を毎日読みます。";
  EXPECT_EQ(DetectMultiByteCharset(AsBytes(Encode("EUC-JP", japanese))), "EUC-JP");
  EXPECT_EQ(DetectMultiByteCharset(AsBytes(Encode("ISO-2022-JP", japanese))), "ISO-2022-JP");
}

// Single-byte text in the Latin, Cyrillic and Greek code pages: accented letters in pairs look
// like double-byte characters, but must never be taken for one.
TEST(CharsetDetection, LeavesSingleByteTextToTheByteTables) {
  const struct {
    const char* charset;
    const char* text;
  } cases[] = {
      {"windows-1252", "«Ça coûte très cher», dit-il. Größe, Übersetzung — “Qualität” für São"},
      {"windows-1252", "Sjóðurinn í Þórshöfn: ÆØÅ æøå, «ÀÉÎÕÜ» àéîõü ÇÑ çñ ÄÖÜß äöüß ÿþð ¿¡ ±§¶"},
      {"ISO-8859-1", "Él señaló que la región más pequeña está en el norte. ¿Qué pasó? ¡Olé!"},
      {"ISO-8859-1", "Não há informações sobre a participação do público na votação."},
      {"ISO-8859-1", "Price: 100¤ £¥ «»"},
      {"windows-1251", "Съешь же ещё этих мягких французских булок, да выпей чаю."},
      {"KOI8-R", "Мы небольшое бюро переводов в Москве и работаем каждый день."},
      {"ISO-8859-7", "Είμαστε ένα μικρό γραφείο μεταφράσεων στην Αθήνα."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DetectMultiByteCharset(AsBytes(Encode(c.charset, c.text))), "") << c.text;
  }
  EXPECT_EQ(DetectMultiByteCharset(AsBytes(Fixture("cp1252.txt"))), "");
  EXPECT_EQ(DetectMultiByteCharset(AsBytes(Fixture("latin1.txt"))), "");
}

}  // namespace
}  // namespace tw
