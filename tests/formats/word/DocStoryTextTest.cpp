#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/word/doc/DocCharacterRuns.h"
#include "formats/word/doc/DocStoryText.h"

namespace tw {
namespace {

struct StoryCase {
  const char* name;
  std::u16string raw;
  std::u16string shown;
};

class DocStory : public ::testing::TestWithParam<StoryCase> {};

TEST_P(DocStory, ShowsWhatAReaderSees) {
  EXPECT_EQ(DocStoryText(GetParam().raw), GetParam().shown) << GetParam().name;
}

const StoryCase kStories[] = {
    {"field shows its result",
     u"Page \x13 PAGE \x14"
     u"3\x15 of",
     u"Page 3 of"},
    {"field without a result shows nothing",
     u"a\x13 TOC \x15"
     u"b",
     u"ab"},
    {"field nested in a result: its code hidden, its result shown",
     u"\x13 IF \x14x\x13 DATE \x14"
     u"2024\x15y\x15z",
     u"x2024yz"},
    {"field nested in a code: all of it hidden",
     u"\x13 IF \x13 DATE \x14"
     u"1\x15 \x14r\x15",
     u"r"},
    {"stray separator and end ignored",
     u"a\x14"
     u"b\x15"
     u"c",
     u"abc"},
    {"unclosed field hides the rest of its code", u"a\x13 code", u"a"},
    {"breaks",
     u"a\rb\x07"
     u"c\x0B"
     u"d\x0C"
     u"e\x0E"
     u"f",
     u"a\rb\rc\rd\re\rf"},
    {"hyphens",
     u"non\x1E"
     u"breaking soft\x1Fhyphen",
     u"non\u2011breaking softhyphen"},
    {"objects and note marks left out",
     u"a\x01"
     u"b\x08"
     u"c\x02"
     u"d\x05"
     u"e",
     u"abcde"},
    {"tab and no-break space kept", u"a\tb\u00A0c", u"a\tb\u00A0c"},
};

INSTANTIATE_TEST_SUITE_P(Cases, DocStory, ::testing::ValuesIn(kStories));

struct FlagsCase {
  const char* name;
  std::vector<uint8_t> properties;
  bool hidden;
  bool deleted;
};

class DocCharacterProperties : public ::testing::TestWithParam<FlagsCase> {};

TEST_P(DocCharacterProperties, HiddenAndDeletedRead) {
  const DocCharacterFlags flags = ReadCharacterFlags(GetParam().properties);
  EXPECT_EQ(flags.hidden, GetParam().hidden) << GetParam().name;
  EXPECT_EQ(flags.deleted, GetParam().deleted) << GetParam().name;
}

const FlagsCase kFlags[] = {
    {"none", {}, false, false},
    {"hidden on", {0x3C, 0x08, 0x01}, true, false},
    {"hidden opposite of the style", {0x3C, 0x08, 0x81}, true, false},
    {"hidden as the style", {0x3C, 0x08, 0x80}, false, false},
    {"deleted", {0x00, 0x08, 0x01}, false, true},
    {"after a two-byte and a four-byte operand",
     {0x43, 0x4A, 0x18, 0x00, 0x6F, 0x68, 1, 2, 3, 4, 0x00, 0x08, 0x01},
     false,
     true},
    {"after a variable-size operand",
     {0x85, 0xCA, 0x02, 0x3C, 0x08, 0x3C, 0x08, 0x01},
     true,
     false},
    {"operand cut off by the end", {0x3C, 0x08}, false, false},
    {"variable size beyond the end", {0x85, 0xCA, 0x40, 0x3C, 0x08, 0x01}, false, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, DocCharacterProperties, ::testing::ValuesIn(kFlags));

}  // namespace
}  // namespace tw
