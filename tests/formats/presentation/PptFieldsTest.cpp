#include <gtest/gtest.h>

#include "formats/presentation/PptFields.h"

namespace tw::powerpoint {
namespace {

// Tuesday 8 December 2026, 14:05:09.
std::tm SampleTime() {
  std::tm time{};
  time.tm_year = 126;
  time.tm_mon = 11;
  time.tm_mday = 8;
  time.tm_wday = 2;
  time.tm_hour = 14;
  time.tm_min = 5;
  time.tm_sec = 9;
  return time;
}

TEST(PptFields, DatesAndTimesInTheBuiltInFormats) {
  const std::pair<uint8_t, const char16_t*> cases[] = {
      {0, u"12/8/2026"},         {1, u"Tuesday, December 8, 2026"},
      {3, u"December 8, 2026"},  {4, u"8-Dec-26"},
      {7, u"12/8/2026 2:05 PM"}, {9, u"14:05"},
      {11, u"2:05 PM"},          {12, u"2:05:09 PM"},
      {200, u"12/8/2026"},
  };
  for (const auto& [format, expected] : cases) {
    EXPECT_EQ(DateTimeText(format, SampleTime()), expected) << int{format};
  }
  std::tm midnight = SampleTime();
  midnight.tm_hour = 0;
  EXPECT_EQ(DateTimeText(11, midnight), u"12:05 AM");
}

TEST(PptFields, EachPlaceholderShowsItsField) {
  const FieldValues values{12, u"Footer text", u"Head", SampleTime()};
  const TextField number{0, 0x0FD8, 0};
  const struct {
    std::u16string text;
    std::vector<TextField> fields;
    std::u16string shown;
  } cases[] = {
      {u"Slide *", {{6, 0x0FD8, 0}}, u"Slide 12"},
      {u"* and *", {{6, 0x0FFA, 0}, {0, 0x0FF9, 0}}, u"Head and Footer text"},
      {u"On *", {{3, 0x0FF7, 3}}, u"On December 8, 2026"},
      {u"On *", {{3, 0x0FF8, 0}}, u"On 12/8/2026"},
      // A position past the end, or one that holds no placeholder, leaves the text alone.
      {u"x*", {{7, 0x0FD8, 0}}, u"x*"},
      {u"No field", {number}, u"No field"},
      // Two fields that claim the same placeholder show it once.
      {u"*", {number, number}, u"12"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShowFields(c.text, c.fields, values), c.shown);
}

}  // namespace
}  // namespace tw::powerpoint
