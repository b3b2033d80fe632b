#include <gtest/gtest.h>

#include "browser/FileListRow.h"
#include "browser/FileTypeFlags.h"

namespace tw {
namespace {

TEST(ExtensionKey, IsTheLastFourCharactersLowerCased) {
  const std::pair<const char*, const char*> cases[] = {
      {"Report.DOC", ".doc"}, {"report.docx", "docx"}, {"mydocx", "docx"}, {"page.shtml", "html"},
      {"doc", "doc"},         {"a.B", "a.b"},          {"", ""},           {"NOTES.TXT", ".txt"},
  };
  for (const auto& [name, key] : cases) EXPECT_EQ(FileTypeFlags::ExtensionKey(name), key) << name;
}

TEST(FileTypeFlags, EachFlagAcceptsItsOwnKeysOnly) {
  struct Case {
    FileType type;
    std::vector<std::string> accepted;
  };
  const std::vector<std::string> allKeys = {".doc", "docx", ".rtf", ".xls", ".txt",
                                            ".htm", "html", ".ppt", "pptx", ".pdf",
                                            "xlsx", "docm", "doc",  "txt",  ".odt"};
  const Case cases[] = {
      {FileType::Doc, {".doc", "docx"}}, {FileType::Rtf, {".rtf"}},
      {FileType::Xls, {".xls"}},         {FileType::Txt, {".txt"}},
      {FileType::Htm, {".htm", "html"}}, {FileType::Ppt, {".ppt", "pptx"}},
      {FileType::Pdf, {".pdf"}},
  };
  for (const Case& c : cases) {
    FileTypeFlags flags;
    flags.Flag(c.type) = 1;
    for (const std::string& key : allKeys) {
      const bool expected =
          std::find(c.accepted.begin(), c.accepted.end(), key) != c.accepted.end();
      EXPECT_EQ(flags.Accepts(key), expected) << key << " type " << static_cast<int>(c.type);
    }
  }
  FileTypeFlags none;
  for (const std::string& key : allKeys) EXPECT_FALSE(none.Accepts(key)) << key;
}

TEST(FileTypeFlags, FlagNamesTheSevenMembers) {
  FileTypeFlags flags;
  flags.Flag(FileType::Ppt) = 1;
  flags.Flag(FileType::Htm) = 1;
  EXPECT_EQ(flags.CountPPT, 1);
  EXPECT_EQ(flags.CountHtm, 1);
  EXPECT_EQ(flags.CountDoc + flags.CountRtf + flags.CountXls + flags.CountTxt + flags.CountPdf, 0);
}

TEST(FileListRowText, SplitsNameAndType) {
  struct Case {
    const char* file;
    const char* name;
    const char* type;
  };
  const Case cases[] = {
      {"Report.DOC", "Report", "DOC"},   {"report.docx", "report", "docx"},
      {"REPORT.DOCX", "REPORT", "DOCX"}, {"mydocx", "my", "docx"},
      {"page.shtml", "page.s", "html"},  {"a.b.txt", "a.b", "txt"},
      {"slides.PPTX", "slides", "PPTX"}, {"x.htm", "x", "htm"},
  };
  for (const Case& c : cases) {
    const std::string type = FileListRow::TypeOfName(c.file);
    EXPECT_EQ(type, c.type) << c.file;
    EXPECT_EQ(FileListRow::NameOfName(c.file, type), c.name) << c.file;
  }
}

TEST(FileListRowText, ModifiedUsesTheCFormatWhateverTheProcessLocale) {
  setenv("TZ", "UTC", 1);
  tzset();
  // 2011-03-14 09:05:07 UTC.
  EXPECT_EQ(FileListRow::FormatModified(1300093507), "03/14/11 09:05:07");
  // 2001-09-09 01:46:40 UTC; a two-digit year and a 24-hour clock.
  EXPECT_EQ(FileListRow::FormatModified(1000000000), "09/09/01 01:46:40");
  unsetenv("TZ");
  tzset();
}

}  // namespace
}  // namespace tw
