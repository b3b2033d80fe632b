#include <gtest/gtest.h>

#include <optional>

#include "counting/FileTypes.h"

namespace tw {
namespace {

TEST(FileTypes, TheExtensionAfterTheLastDotDecidesWhateverItsCase) {
  const struct {
    const char* path;
    std::optional<FileType> box;
    std::optional<CounterKind> batch;
  } cases[] = {
      {"/jobs/NOTES.TXT", FileType::Txt, CounterKind::Text},
      {"/jobs/report.DocX", FileType::Doc, CounterKind::Word},
      {"/jobs/a.doc", FileType::Doc, CounterKind::Word},
      {"/jobs/a.rtf", FileType::Rtf, CounterKind::Word},
      {"/jobs/sheet.xls", FileType::Xls, CounterKind::Spreadsheet},
      {"/jobs/a.ppt", FileType::Ppt, CounterKind::PowerPoint},
      {"/jobs/deck.backup.pptx", FileType::Ppt, CounterKind::PowerPoint},
      {"/jobs/a.htm", FileType::Htm, CounterKind::Html},
      {"/jobs/a.html", FileType::Htm, CounterKind::Html},
      {"/jobs/a.pdf", FileType::Pdf, CounterKind::Pdf},
      {"/jobs/Book.XLSX", FileType::Xls, CounterKind::Spreadsheet},
      {"/jobs/a.fods", FileType::Xls, CounterKind::Spreadsheet},
      {"/jobs/a.ott", FileType::Odt, CounterKind::Word},
      {"/jobs/a.fodp", FileType::Ppt, CounterKind::PowerPoint},
      {"/jobs/a.sdlxliff", FileType::Xliff, CounterKind::Xliff},
      {"/jobs/a.pot", FileType::Po, CounterKind::Po},
      {"/jobs/a.vtt", FileType::Sub, CounterKind::Subtitle},
      {"/jobs/a.markdown", FileType::Md, CounterKind::Markdown},
      {"/jobs/a.idml", FileType::More, CounterKind::More},
      {"/jobs/a.tsv", FileType::More, CounterKind::More},
      {"/jobs/a.mdx", std::nullopt, std::nullopt},
      {"/jobs/README.adoc", std::nullopt, std::nullopt},
      {"/jobs/mytxt", std::nullopt, std::nullopt},
      {"/jobs/mydocx", std::nullopt, std::nullopt},
      {"/jobs/notes.shtml", std::nullopt, std::nullopt},
      {"/jobs/slides.pptm", std::nullopt, std::nullopt},
      {"/jobs.txt/readme", std::nullopt, std::nullopt},  // the dot of a folder does not count
      {"/jobs/a.txt.", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    const FileTypeEntry* entry = FileTypeOfPath(c.path);
    EXPECT_EQ(entry != nullptr ? std::optional(entry->box) : std::nullopt, c.box) << c.path;
    EXPECT_EQ(BatchKindOfPath(c.path), c.batch) << c.path;
  }
}

}  // namespace
}  // namespace tw
