#include <gtest/gtest.h>

#include "counting/ContentSwitches.h"

namespace tw {
namespace {

TEST(ContentSwitchesTest, ParsesListsAndWritesThemBackInCanonicalOrder) {
  struct Case {
    const char* list;
    const char* canonical;
  };
  const Case cases[] = {
      {"", ""},
      {"notes", "notes"},
      {"hidden,notes", "notes,hidden"},
      {"diagrams,charts,comments,notes,hidden", "notes,comments,charts,diagrams,hidden"},
      {"notes,notes", "notes"}};
  for (const Case& c : cases) {
    const auto switches = ParseContentSwitches(c.list);
    ASSERT_TRUE(switches) << c.list;
    EXPECT_EQ(ContentSwitchesText(*switches), c.canonical) << c.list;
  }
}

TEST(ContentSwitchesTest, RejectsUnknownNamesAndEmptyItems) {
  for (const char* list : {"note", "notes,", ",notes", "notes,,hidden", "NOTES", "notes hidden"}) {
    EXPECT_FALSE(ParseContentSwitches(list)) << list;
  }
}

}  // namespace
}  // namespace tw
