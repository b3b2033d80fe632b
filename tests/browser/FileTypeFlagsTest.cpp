#include <gtest/gtest.h>

#include <algorithm>

#include "browser/FileListRow.h"
#include "browser/FileTypeFlags.h"

namespace tw {
namespace {

TEST(FileTypeFlags, EachBoxAcceptsItsOwnExtensionsInAnyCase) {
  struct Case {
    FileType type;
    std::vector<std::string> accepted;
  };
  const std::vector<std::string> paths = {
      "/w/a.doc",  "/w/A.DOCX", "/w/a.Rtf",  "/w/a.xls",      "/w/NOTES.TXT",   "/w/a.htm",
      "/w/a.HTML", "/w/a.ppt",  "/w/a.pptx", "/w/a.pdf",      "/w/README.adoc", "/w/mytxt",
      "/w/mydocx", "/w/doc",    "/w/a.xlsx", "/w/page.shtml", "/w/a.txt.bak",   "/w/x.txt/y",
      "/w/a.odt",  "/w/a.fodp", "/w/a.XLF",  "/w/a.pot",      "/w/a.vtt",       "/w/a.md",
      "/w/a.json", "/w/a.xlsb",
  };
  const Case cases[] = {
      {FileType::Doc, {"/w/a.doc", "/w/A.DOCX"}},
      {FileType::Rtf, {"/w/a.Rtf"}},
      {FileType::Xls, {"/w/a.xls", "/w/a.xlsx"}},
      {FileType::Txt, {"/w/NOTES.TXT"}},
      {FileType::Htm, {"/w/a.htm", "/w/a.HTML"}},
      {FileType::Ppt, {"/w/a.ppt", "/w/a.pptx", "/w/a.fodp"}},
      {FileType::Pdf, {"/w/a.pdf"}},
      {FileType::Odt, {"/w/a.odt"}},
      {FileType::Xliff, {"/w/a.XLF"}},
      {FileType::Po, {"/w/a.pot"}},
      {FileType::Sub, {"/w/a.vtt"}},
      {FileType::Md, {"/w/a.md"}},
      {FileType::More, {"/w/a.json"}},
  };
  for (const Case& c : cases) {
    FileTypeFlags flags;
    flags.Flag(c.type) = 1;
    for (const std::string& path : paths) {
      const bool expected =
          std::find(c.accepted.begin(), c.accepted.end(), path) != c.accepted.end();
      EXPECT_EQ(flags.AcceptsPath(path), expected) << path << " type " << static_cast<int>(c.type);
    }
  }
  FileTypeFlags none;
  for (const std::string& path : paths) EXPECT_FALSE(none.AcceptsPath(path)) << path;
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
      {"REPORT.DOCX", "REPORT", "DOCX"}, {"a.b.txt", "a.b", "txt"},
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
