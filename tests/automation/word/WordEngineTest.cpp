#include <gtest/gtest.h>

#include "automation/AutomationError.h"
#include "automation/ServerRegistry.h"
#include "automation/word/WordEngine.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::TempDir;

class WordEngine : public ::testing::Test {
 protected:
  std::unique_ptr<word::Document> Open(const std::string& fixture) {
    word::OpenArguments arguments;
    arguments.fileName = FixturePath("word/" + fixture);
    documents->Open(arguments);
    return documents->Item(1);
  }

  std::unique_ptr<word::Application> application = CreateWordEngine();
  std::unique_ptr<word::Documents> documents = application->Documents();
};

TEST_F(WordEngine, IsCreatedThroughTheRegistryOnceRegistered) {
  ServerRegistry registry;
  EXPECT_EQ(registry.Create<WordApplication>("Word.Application"), nullptr);
  RegisterStandardServers(registry);
  EXPECT_NE(registry.Create<WordApplication>("Word.Application"), nullptr);
}

TEST_F(WordEngine, DocumentStatisticsIncludeNotesOnlyWhenAsked) {
  const std::unique_ptr<word::Document> document = Open("notes.docx");
  EXPECT_EQ(document->ComputeStatistics(word::kStatisticWords, 0), 4);
  EXPECT_EQ(document->ComputeStatistics(word::kStatisticWords, 1), 9);
  EXPECT_EQ(document->ComputeStatistics(word::kStatisticCharacters, 1), 41);
  EXPECT_THROW(document->ComputeStatistics(word::kStatisticLines, 1), AutomationError);
}

TEST_F(WordEngine, UngroupAppendsMembersAndKeepsTheOtherShapesInPlace) {
  const std::unique_ptr<word::Document> document = Open("group.docx");
  const std::unique_ptr<word::Shapes> shapes = document->Shapes();
  ASSERT_EQ(shapes->Count(), 1);
  const std::unique_ptr<word::Shape> group = shapes->Item(1);
  EXPECT_EQ(group->Type(), 6);
  EXPECT_EQ(group->TextFrame(), nullptr);
  group->Ungroup();
  ASSERT_EQ(shapes->Count(), 3);
  EXPECT_EQ(shapes->Item(1)->Type(), 6);  // the emptied group keeps its place
  EXPECT_THROW(shapes->Item(1)->Ungroup(), AutomationError);
  const std::unique_ptr<word::Shape> member = shapes->Item(2);
  EXPECT_EQ(member->Type(), 1);
  EXPECT_EQ(member->TextFrame()->TextRange()->ComputeStatistics(word::kStatisticWords), 2);
  EXPECT_THROW(shapes->Item(4), AutomationError);
  EXPECT_THROW(shapes->Item(0), AutomationError);
}

TEST_F(WordEngine, EverySectionHasItsPrimaryHeaderAndFooterOthersAreEmpty) {
  const std::unique_ptr<word::Document> document = Open("headers.docx");
  const std::unique_ptr<word::Sections> sections = document->Sections();
  ASSERT_EQ(sections->Count(), 2);
  const auto words = [](word::HeadersFooters& side, int index) {
    return side.Item(index)->Range()->ComputeStatistics(word::kStatisticWords);
  };
  EXPECT_EQ(words(*sections->Item(2)->Headers(), 1), 3);
  EXPECT_EQ(words(*sections->Item(2)->Footers(), 1), 2);
  EXPECT_EQ(words(*sections->Item(1)->Headers(), 2), 0);
  EXPECT_THROW(sections->Item(1)->Headers()->Item(4), AutomationError);
  EXPECT_THROW(sections->Item(3), AutomationError);

  const std::unique_ptr<word::Document> plain = Open("plain.docx");
  EXPECT_EQ(documents->Item(2)->Sections()->Count(), 1);  // a document has at least one
}

TEST_F(WordEngine, CloseEndsEveryOpenDocumentAndItsObjects) {
  const std::unique_ptr<word::Document> document = Open("plain.docx");
  const std::unique_ptr<word::Shapes> shapes = document->Shapes();
  documents->Close(0, 0, 0);
  EXPECT_THROW(documents->Item(1), AutomationError);
  EXPECT_THROW(document->ComputeStatistics(word::kStatisticWords, 1), AutomationError);
  EXPECT_THROW(shapes->Count(), AutomationError);
  // The next file opened is Item(1) again.
  Open("table.docx");
  EXPECT_EQ(documents->Item(1)->ComputeStatistics(word::kStatisticWords, 1), 11);
}

TEST_F(WordEngine, LegacyByteRulesChangeHowCharactersAreJudged) {
  application->SetLegacyByteRules(true);
  const std::unique_ptr<word::Document> document = Open("scripts.docx");
  // By low byte: "П" (0x1F) separates and is not counted, the Japanese line is one word of
  // eight characters, "漢字" one word of two (see the fixture's README for the code-point counts).
  EXPECT_EQ(document->ComputeStatistics(word::kStatisticWords, 1), 6);
  EXPECT_EQ(document->ComputeStatistics(word::kStatisticCharacters, 1), 26);
  EXPECT_EQ(document->ComputeStatistics(word::kStatisticCharactersWithSpaces, 1), 29);
}

TEST_F(WordEngine, OpenFailuresSayWhyAndLeaveNothingOpen) {
  TempDir dir;
  word::OpenArguments arguments;
  arguments.fileName = dir.Write("x.docx", "not a document at all");
  try {
    documents->Open(arguments);
    ADD_FAILURE();
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Source(), "Word");
    EXPECT_NE(error.Description().find("not a Word document"), std::string::npos);
  }
  EXPECT_THROW(documents->Item(1), AutomationError);
}

TEST_F(WordEngine, NothingWorksAfterQuit) {
  application->Quit(0, 0, 0);
  word::OpenArguments arguments;
  arguments.fileName = FixturePath("word/plain.docx");
  EXPECT_THROW(documents->Open(arguments), AutomationError);
}

}  // namespace
}  // namespace tw
