#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/container/ContainerError.h"
#include "formats/subtitle/SubtitleReader.h"

namespace tw {
namespace {

std::vector<std::u16string> Cues(std::string_view text) {
  std::vector<std::u16string> texts;
  for (const TextPiece& piece : ParseSubtitles(text).pieces) texts.push_back(piece.text);
  return texts;
}

TEST(SubtitleReader, KeepsCueTextOnly) {
  const struct {
    const char* name;
    const char* text;
    std::vector<std::u16string> cues;
  } cases[] = {
      {"numbers and timings",
       "1\n00:00:01,000 --> 00:00:02,000\nHello there\nsecond line\n\n2\n"
       "00:00:03,000 --> 00:00:04,000\nBye\n",
       {u"Hello there\nsecond line", u"Bye"}},
      {"tags and overrides",
       "1\n00:00:01,000 --> 00:00:02,000\n{\\an8}<i>Up</i> <font color=\"red\">top</font>\n",
       {u"Up top"}},
      {"the header, notes, styles and cue settings",
       "WEBVTT\n\nNOTE not a cue\n\nSTYLE\n::cue {}\n\nid-1\n00:01.000 --> 00:02.000 align:start\n"
       "<v Ann>Hi &amp; bye</v>\n",
       {u"Hi & bye"}},
      {"a lone < stays text", "00:01.000 --> 00:02.000\n1 < 2\n", {u"1 < 2"}},
      {"a cue without text", "00:01.000 --> 00:02.000\n\n00:03.000 --> 00:04.000\nx", {u"x"}},
      {"an empty file", "", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Cues(c.text), c.cues) << c.name;
}

TEST(SubtitleReader, TextWithoutAnyCueIsNotASubtitleFile) {
  EXPECT_THROW(ParseSubtitles("just some text\nwithout timings\n"), ContainerError);
}

}  // namespace
}  // namespace tw
