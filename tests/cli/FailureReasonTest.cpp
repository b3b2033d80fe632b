#include <gtest/gtest.h>

#include "cli/FailureReason.h"

namespace tw::cli {
namespace {

TEST(FailureReasonTest, ThePathLeavesTheReaderMessageAndTheSystemReasonStays) {
  struct Case {
    const char* message;
    const char* reason;
  };
  const std::string path = "a/b.pdf";
  const Case cases[] = {
      {"Failed to open file a/b.pdf", "Failed to open file"},
      {"Failed to open file a/b.pdf (damaged or not a PDF)",
       "Failed to open file (damaged or not a PDF)"},
      {"The document needs a password to open: a/b.pdf", "The document needs a password to open"},
      {"a/b.pdf has no text layer here", "a/b.pdf has no text layer here"},
      {"Unrelated failure", "Unrelated failure"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReasonWithoutPath(c.message, path), c.reason) << c.message;
}

}  // namespace
}  // namespace tw::cli
