#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/po/PoReader.h"

namespace tw {
namespace {

std::vector<std::u16string> Messages(std::string_view text) {
  std::vector<std::u16string> texts;
  for (const TextPiece& piece : ParsePo(text).pieces) texts.push_back(piece.text);
  return texts;
}

TEST(PoReader, ReadsMessageIdsWithTheirContinuationsAndPlurals) {
  const struct {
    const char* name;
    const char* po;
    std::vector<std::u16string> messages;
  } cases[] = {
      {"header entry, comments and translations",
       "# comment\nmsgid \"\"\nmsgstr \"Language: de\\n\"\n\n#. extracted\n#: a.c:1\n"
       "msgid \"Open\"\nmsgstr \"\xC3\x96"
       "ffnen\"\n",
       {u"Open"}},
      {"continued strings join", "msgid \"\"\n\"Save \"\n  \"all\"\nmsgstr \"\"\n", {u"Save all"}},
      {"context is not a message", "msgctxt \"menu\"\nmsgid \"File\"\nmsgstr \"\"\n", {u"File"}},
      {"plural forms",
       "msgid \"one file\"\nmsgid_plural \"%d files\"\nmsgstr[0] \"\"\n",
       {u"one file", u"%d files"}},
      {"obsolete and previous entries are comments",
       "#~ msgid \"gone\"\n#| msgid \"before\"\nmsgid \"now\"\nmsgstr \"\"\n",
       {u"now"}},
      {"escapes", "msgid \"a\\tb\\n\\\"q\\\" \\\\ \\101\\x42\"\n", {u"a\tb\n\"q\" \\ AB"}},
      {"CRLF lines", "msgid \"x\"\r\n\"y\"\r\nmsgstr \"\"\r\n", {u"xy"}},
      {"an unterminated string ends at the line", "msgid \"open", {u"open"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Messages(c.po), c.messages) << c.name;
}

}  // namespace
}  // namespace tw
