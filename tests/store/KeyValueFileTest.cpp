#include <gtest/gtest.h>

#include "Utf16Bytes.h"
#include "store/KeyValueFile.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::AsciiUtf16Le;
using test::ReadFileBytes;
using test::TempDir;

KeyValueFile FileWithText(std::u16string text) {
  KeyValueFile file;
  file.SetText(std::move(text));
  return file;
}

TEST(KeyValueLookup, FindsKeysOnlyAtLineStartsFollowedByEquals) {
  const struct {
    const char16_t* text;
    const char16_t* key;
    const char16_t* value;
  } cases[] = {
      {u"A=1\r\nB=2\r\n", u"B", u"2"},
      {u"A=1\r\nB=2", u"B", u""},  // the last line lacks its CR LF
      {u"A=1\r\n", u"C", u""},
      // A folder named Top in an earlier value hides nothing.
      {u"Directory=C:\\Top\r\nTop=20\r\n", u"Top", u"20"},
      {u"Directory=/home/Top=5\r\nTop=20\r\n", u"Top", u"20"},
      {u"X=Top=1\r\n", u"Top", u""},
      // A longer key that starts with the name, or a blank before "=", is another key.
      {u"AB=1\r\nA=2\r\n", u"A", u"2"},
      {u"A =1\r\n", u"A", u""},
      {u"\xFEFF"
       u"A=1\r\n",
       u"A", u"1"},
      {u"[Window position]\r\nLeft=10\r\n", u"Left", u"10"},
      {u"A=\r\n", u"A", u""},
      {u"A=x=y\r\n", u"A", u"x=y"},
      {u"A=1\nB=2\r\n", u"B", u""},  // a bare LF does not start a line
      {u"", u"A", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileWithText(c.text).GetValue(std::u16string_view(c.key)), c.value)
        << "key " << std::string(c.key, c.key + std::char_traits<char16_t>::length(c.key));
  }
}

TEST(KeyValuePlacement, BuildsTheTextLineByLine) {
  const struct {
    const char* name;
    std::vector<std::array<const char16_t*, 3>> sets;  // key, value, section
    const char16_t* text;
  } cases[] = {
      {"new section on an empty text",
       {{u"Left", u"10", u"Window position"}},
       u"\r\n[Window position]\r\nLeft=10\r\n"},
      {"later keys of a section stand first",
       {{u"Left", u"1", u"S"}, {u"Top", u"2", u"S"}, {u"Right", u"3", u"S"}},
       u"\r\n[S]\r\nRight=3\r\nTop=2\r\nLeft=1\r\n"},
      {"keys without section are appended",
       {{u"A", u"1", u""}, {u"B", u"2", u""}},
       u"A=1\r\nB=2\r\n"},
      {"a value is never replaced", {{u"A", u"1", u""}, {u"A", u"2", u""}}, u"A=1\r\n"},
      {"a key name inside a value does not block the key",
       {{u"Directory", u"/home/Top", u""}, {u"Top", u"5", u"W"}},
       u"Directory=/home/Top\r\n\r\n[W]\r\nTop=5\r\n"},
      {"a header inside a value is not the section",
       {{u"Directory", u"/x/[W]", u""}, {u"Left", u"1", u"W"}, {u"Top", u"2", u"W"}},
       u"Directory=/x/[W]\r\n\r\n[W]\r\nTop=2\r\nLeft=1\r\n"},
  };
  for (const auto& c : cases) {
    KeyValueFile file;
    for (const auto& set : c.sets) {
      file.SetValue(std::u16string_view(set[0]), std::u16string_view(set[1]),
                    std::u16string_view(set[2]));
    }
    EXPECT_EQ(file.Text(), c.text) << c.name;
  }
}

TEST(KeyValuePlacement, ValuesWithACarriageReturnAreNotStored) {
  KeyValueFile file;
  file.SetValue(u"Directory", u"/tmp/a\r\nTop=5");
  file.SetValue(u"Top", u"20", u"W");
  file.SetValue(u"Bad\r", u"1");
  file.SetValue(u"Left", u"1", u"W\r\n");
  EXPECT_EQ(file.Text(), u"\r\n[W]\r\nTop=20\r\n");
  EXPECT_EQ(file.GetValue(u"Directory"), u"");
}

TEST(KeyValuePlacement, SectionHeaderAtTheEndWithoutLineBreak) {
  KeyValueFile file = FileWithText(u"A=1\r\n[S]");
  file.SetValue(u"B", u"2", u"S");
  EXPECT_EQ(file.Text(), u"A=1\r\n[S]\r\nB=2\r\n");
  EXPECT_EQ(file.GetValue(u"B"), u"2");
}

TEST(KeyValueUtf8, ConvertsAtTheEdge) {
  KeyValueFile file;
  file.SetValue("Directory", "/home/Zoë/€");
  EXPECT_EQ(file.Text(), u"Directory=/home/Zo\u00EB/\u20AC\r\n");
  EXPECT_EQ(file.GetValue(std::string_view("Directory")), "/home/Zoë/€");
}

TEST(KeyValueUtf8, CharactersBeyondTheBasicPlaneAndBrokenBytes) {
  const struct {
    std::string utf8;
    std::u16string stored;
    std::string readBack;
  } cases[] = {
      {"/d/\xF0\x9F\x98\x80", u"/d/\xD83D\xDE00", "/d/\xF0\x9F\x98\x80"},
      {"/d/\xFF.", u"/d/\xFFFD.", "/d/\xEF\xBF\xBD."},                     // a stray byte
      {"/d/\xE2\x82", u"/d/\xFFFD\xFFFD", "/d/\xEF\xBF\xBD\xEF\xBF\xBD"},  // cut short
  };
  for (const auto& c : cases) {
    KeyValueFile file;
    file.SetValue("Directory", c.utf8);
    EXPECT_EQ(file.Text(), u"Directory=" + c.stored + u"\r\n");
    EXPECT_EQ(file.GetValue(std::string_view("Directory")), c.readBack);
  }
  // A lone surrogate read from a file also becomes U+FFFD.
  EXPECT_EQ(FileWithText(u"A=\xD800x\r\n").GetValue(std::string_view("A")), "\xEF\xBF\xBDx");
}

TEST(KeyValueFileOnDisk, LoadTakesLittleEndianUnits) {
  TempDir dir;
  const struct {
    const char* name;
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"odd last byte ignored",
       std::string("A\0=\0"
                   "1\0x",
                   7),
       u"A=1"},
      {"byte-order mark kept", std::string("\xFF\xFE") + AsciiUtf16Le("A=1\r\n"),
       u"\xFEFF"
       u"A=1\r\n"},
      {"high bytes", std::string("\xAC\x20", 2), u"\u20AC"},
      {"empty file", std::string(), u""},
  };
  for (const auto& c : cases) {
    KeyValueFile file = FileWithText(u"old");
    ASSERT_EQ(file.Load(dir.Write("f.dat", c.bytes)), 0) << c.name;
    EXPECT_EQ(file.Text(), c.text) << c.name;
  }
}

TEST(KeyValueFileOnDisk, KeysAfterAByteOrderMarkAreFound) {
  TempDir dir;
  KeyValueFile file;
  ASSERT_EQ(file.Load(dir.Write("f.dat", "\xFF\xFE" + AsciiUtf16Le("currencies=USD\r\n"))), 0);
  EXPECT_EQ(file.GetValue(u"currencies"), u"USD");
}

TEST(KeyValueFileOnDisk, LoadFailureKeepsTheText) {
  TempDir dir;
  KeyValueFile file = FileWithText(u"A=1\r\n");
  EXPECT_EQ(file.Load((dir.Path() / "missing.dat").string()), -1);
  EXPECT_EQ(file.Load(dir.Path().string()), -1);  // a folder
  EXPECT_EQ(file.Text(), u"A=1\r\n");
}

TEST(KeyValueFileOnDisk, SaveWritesUtf16LeWithoutMarkOrTerminator) {
  TempDir dir;
  const std::string path = (dir.Path() / "f.dat").string();
  KeyValueFile file;
  file.SetValue(u"A", u"\u20AC");
  ASSERT_EQ(file.Save(path), 0);
  EXPECT_EQ(ReadFileBytes(path), std::string("A\0=\0\xAC\x20\r\0\n\0", 10));
}

TEST(KeyValueFileOnDisk, EmptyTextIsNeverWritten) {
  TempDir dir;
  const std::string path = dir.Write("f.dat", "keep");
  EXPECT_EQ(KeyValueFile().Save(path), -1);
  EXPECT_EQ(ReadFileBytes(path), "keep");
}

TEST(KeyValueFileOnDisk, UnwritablePathFailsAndLeavesNothing) {
  TempDir dir;
  const std::string notAFolder = dir.Write("plain", "x");
  EXPECT_EQ(FileWithText(u"A=1\r\n").Save(notAFolder + "/f.dat"), -1);
  EXPECT_EQ(ReadFileBytes(notAFolder), "x");
}

}  // namespace
}  // namespace tw
