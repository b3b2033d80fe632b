#include <gtest/gtest.h>

#include "formats/word/WordDocumentModel.h"

namespace tw {
namespace {

TEST(WordDocumentModel, SectionWithoutOwnHeaderOrFooterUsesThePreviousOnes) {
  WordDocument document;
  document.sections = {
      {u"Head one", std::nullopt}, {std::nullopt, u"Foot two"}, {u"Head three", std::nullopt}};
  EXPECT_EQ(document.PrimaryHeader(0), u"Head one");
  EXPECT_EQ(document.PrimaryFooter(0), u"");
  EXPECT_EQ(document.PrimaryHeader(1), u"Head one");
  EXPECT_EQ(document.PrimaryFooter(1), u"Foot two");
  EXPECT_EQ(document.PrimaryHeader(2), u"Head three");
  EXPECT_EQ(document.PrimaryFooter(2), u"Foot two");
}

TEST(WordDocumentModel, AnEmptyOwnHeaderBreaksTheLink) {
  WordDocument document;
  document.sections = {{u"Head", u"Foot"}, {u"", std::nullopt}};
  EXPECT_EQ(document.PrimaryHeader(1), u"");
  EXPECT_EQ(document.PrimaryFooter(1), u"Foot");
}

}  // namespace
}  // namespace tw
