#include <gtest/gtest.h>

#include "automation/AutomationError.h"
#include "automation/pdf/PdfServer.h"
#include "count/PdfCounter.h"
#include "support/RecordingCountHost.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::RecordingCountHost;
using test::TempDir;

class PdfServerObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterPdfServers(registry);
    app = registry.Create<PdfApp>(kPdfAppProgId);
    avDoc = registry.Create<AVDoc>(kAVDocProgId);
    hilites = registry.Create<HiliteList>(kHiliteListProgId);
    ASSERT_TRUE(app && avDoc && hilites);
  }

  // The joined text items of page `page` of the document open in the view.
  std::u16string PageText(long page) {
    const std::unique_ptr<AVPageView> view = avDoc->GetAVPageView();
    view->GoTo(page);
    const std::unique_ptr<PDTextSelect> selection = view->GetPage()->CreateWordHilite(*hilites);
    std::u16string text;
    for (long i = 0; i < selection->GetNumText(); ++i) text += selection->GetText(i);
    return text;
  }

  ServerRegistry registry;
  std::unique_ptr<PdfApp> app;
  std::unique_ptr<AVDoc> avDoc;
  std::unique_ptr<HiliteList> hilites;
};

TEST_F(PdfServerObjects, WordItemsCarryTheSeparatorsThatFollowThem) {
  ASSERT_NE(avDoc->Open(FixturePath("pdf/plain.pdf"), ""), 0);
  EXPECT_EQ(avDoc->GetPDDoc()->GetNumPages(), 1);
  EXPECT_EQ(PageText(0), u"The quick brown fox jumps over the lazy dog.\nHello, world!");

  const std::unique_ptr<AVPageView> view = avDoc->GetAVPageView();
  view->GoTo(0);
  const std::unique_ptr<PDTextSelect> selection = view->GetPage()->CreateWordHilite(*hilites);
  ASSERT_EQ(selection->GetNumText(), 11);
  EXPECT_EQ(selection->GetText(0), u"The ");
  EXPECT_EQ(selection->GetText(8), u"dog.\n");
  EXPECT_EQ(selection->GetText(10), u"world!");
  EXPECT_THROW(selection->GetText(11), AutomationError);
}

TEST_F(PdfServerObjects, TextInColumnsComesColumnByColumn) {
  ASSERT_NE(avDoc->Open(FixturePath("pdf/columns.pdf"), ""), 0);
  EXPECT_EQ(PageText(0), u"Left column one.\nLeft column two.\n\nRight column words here.");
}

TEST_F(PdfServerObjects, PagesCanBeVisitedInAnyOrder) {
  ASSERT_NE(avDoc->Open(FixturePath("pdf/emptypage.pdf"), ""), 0);
  ASSERT_EQ(avDoc->GetPDDoc()->GetNumPages(), 3);
  EXPECT_EQ(PageText(2), u"Third page.");
  EXPECT_EQ(PageText(1), u"");
  EXPECT_EQ(PageText(0), u"First page text.");
  EXPECT_EQ(PageText(0), u"First page text.");
  const std::unique_ptr<AVPageView> view = avDoc->GetAVPageView();
  EXPECT_THROW(view->GoTo(3), AutomationError);
  EXPECT_THROW(view->GoTo(-1), AutomationError);
}

TEST_F(PdfServerObjects, DocumentsPopplerCannotLoadDoNotOpen) {
  TempDir dir;
  const std::string cases[] = {
      FixturePath("pdf/missing.pdf"),
      FixturePath("pdf/encrypted.pdf"),  // needs a password
      dir.Write("garbage.pdf", "this is not a PDF at all"),
      dir.Write("empty.pdf", ""),
      dir.Write("truncated.pdf", "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pages 2 0 R"),
  };
  for (const std::string& path : cases) {
    EXPECT_EQ(avDoc->Open(path, ""), 0) << path;
    EXPECT_THROW(avDoc->GetPDDoc(), AutomationError) << path;
  }
}

TEST_F(PdfServerObjects, CloseAllDocsClosesTheOpenDocument) {
  ASSERT_NE(avDoc->Open(FixturePath("pdf/plain.pdf"), ""), 0);
  const std::unique_ptr<AVPageView> view = avDoc->GetAVPageView();
  app->CloseAllDocs();
  EXPECT_THROW(view->GetPage(), AutomationError);
  EXPECT_THROW(avDoc->GetPDDoc(), AutomationError);
  // The view opens the next file as usual.
  ASSERT_NE(avDoc->Open(FixturePath("pdf/table.pdf"), ""), 0);
  EXPECT_EQ(avDoc->GetPDDoc()->GetNumPages(), 1);
  app->Exit();
}

// A well-formed document whose page tree is empty.
constexpr std::string_view kNoPagesPdf =
    "%PDF-1.4\n"
    "1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n"
    "2 0 obj\n<< /Type /Pages /Kids [] /Count 0 >>\nendobj\n"
    "xref\n0 3\n0000000000 65535 f \n0000000009 00000 n \n0000000058 00000 n \n"
    "trailer\n<< /Size 3 /Root 1 0 R >>\nstartxref\n110\n%%EOF\n";

// The counts of the fixtures, checked by hand (tests/fixtures/pdf/README.md).
class PdfFixtureCount : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetControlValues({"0.01", "USD", "Words"});
    RegisterStandardServers(registry);
    context.servers = &registry;
  }

  void RunPdfCounter(const std::vector<std::string>& paths, CountOptions options = {}) {
    Batch batch;
    for (const std::string& path : paths) {
      host.AddFile(path);
      batch.push_back(path);
      batch.push_back(std::to_string(host.RowCount() - 1));
    }
    PdfCounter counter(host, context);
    context.counters.Register(CounterKind::Pdf, &counter);
    counter.Init(batch, options);
    counter.Run();
    context.counters.Unregister(CounterKind::Pdf);
  }

  ServerRegistry registry;
  RecordingCountHost host;
  CountContext context;
};

TEST_F(PdfFixtureCount, CountsMatchTheHandCheckedFigures) {
  const struct {
    const char* file;
    const char* words;
    const char* charsWithSpaces;
    const char* chars;
  } cases[] = {
      {"plain.pdf", "11", "57", "48"},    {"columns.pdf", "10", "56", "49"},
      {"table.pdf", "8", "43", "38"},     {"cyrillic.pdf", "8", "43", "37"},
      {"emptypage.pdf", "5", "27", "24"}, {"longpage.pdf", "2500", "7450", "5000"},
      {"hyphen.pdf", "5", "31", "27"},
  };
  std::vector<std::string> paths;
  for (const auto& c : cases) paths.push_back(FixturePath(std::string("pdf/") + c.file));
  RunPdfCounter(paths);
  EXPECT_TRUE(host.Recorded().Texts().empty());
  for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
    const auto& c = cases[row];
    EXPECT_EQ(host.List().Cell(row, 1), c.words) << c.file;
    EXPECT_EQ(host.List().Cell(row, 2), c.charsWithSpaces) << c.file;
    EXPECT_EQ(host.List().Cell(row, 3), c.chars) << c.file;
  }
  EXPECT_EQ(host.List().Header(1), "Words: 2547");
}

TEST_F(PdfFixtureCount, ADocumentWithoutPagesCountsNothing) {
  TempDir dir;
  const std::string path = dir.Write("nopages.pdf", std::string(kNoPagesPdf));
  RunPdfCounter({path});
  EXPECT_TRUE(host.Recorded().Texts().empty());
  EXPECT_EQ(host.List().Cell(0, 1), "0");
  EXPECT_EQ(host.List().Cell(0, 2), "0");
  EXPECT_EQ(host.List().Cell(0, 6), "   0.00");
}

TEST_F(PdfFixtureCount, LegacyByteRulesJudgeTheLowByte) {
  CountOptions options;
  options.legacyByteRules = true;
  RunPdfCounter({FixturePath("pdf/cyrillic.pdf")}, options);
  EXPECT_EQ(host.List().Cell(0, 1), "8");
  EXPECT_EQ(host.List().Cell(0, 2), "42");
  EXPECT_EQ(host.List().Cell(0, 3), "36");
}

TEST_F(PdfFixtureCount, ALockedOrDamagedFileIsReportedAndTheBatchGoesOn) {
  TempDir dir;
  const std::string encrypted = FixturePath("pdf/encrypted.pdf");
  const std::string garbage = dir.Write("garbage.pdf", "%PDF-1.7\n\x01\x02\x03 junk");
  RunPdfCounter({encrypted, garbage, FixturePath("pdf/plain.pdf")});
  EXPECT_EQ(host.Recorded().Texts(),
            (std::vector<std::string>{"Failed to opening file " + encrypted,
                                      "Failed to opening file " + garbage}));
  EXPECT_EQ(host.List().Cell(0, 1), "");
  EXPECT_EQ(host.List().Cell(1, 1), "");
  EXPECT_EQ(host.List().Cell(2, 1), "11");
}

}  // namespace
}  // namespace tw
