#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/markdown/MarkdownInline.h"
#include "formats/markdown/MarkdownReader.h"

namespace tw {
namespace {

TEST(MarkdownInline, LeavesOutMarkupAndKeepsWhatIsShown) {
  const struct {
    const char* markdown;
    const char* shown;
  } cases[] = {
      {"**bold** and *it* and __b__ _i_ ~~gone~~", "bold and it and b i gone"},
      {"snake_case and 2 * 3 and a ~ b", "snake_case and 2 * 3 and a ~ b"},
      {"[link text](http://x.org/a_(b) \"title\") after", "link text after"},
      {"![alt words](pic.png)", "alt words"},
      {"[ref link][id] and [other][]", "ref link and other"},
      {"[not a link] stays", "[not a link] stays"},
      {"`code *stays*` and ``a ` b``", "code *stays* and a ` b"},
      {"\\*literal\\* \\_x\\_", "*literal* _x_"},
      {"<span class=\"x\">tagged</span> <https://a.org/x>", "tagged https://a.org/x"},
      {"a &amp; b &copy2 &#169;", "a & b &copy2 \xC2\xA9"},
      {"[outer [inner](u) text](v)", "outer inner text"},
  };
  for (const auto& c : cases) EXPECT_EQ(MarkdownInlineText(c.markdown), c.shown) << c.markdown;
}

std::vector<std::u16string> Blocks(std::string_view text) {
  std::vector<std::u16string> texts;
  for (const TextPiece& piece : ParseMarkdown(text).pieces) texts.push_back(piece.text);
  return texts;
}

TEST(MarkdownReader, LeavesOutBlockMarksAndKeepsCode) {
  const struct {
    const char* name;
    const char* markdown;
    std::vector<std::u16string> blocks;
  } cases[] = {
      {"headings", "# One #\n\nTwo\n===\n\n### Three", {u"One", u"Two", u"Three"}},
      {"quotes and lists",
       "> quoted\n> > deeper\n\n- a\n  1. b\n* [ ] task",
       {u"quoted\ndeeper", u"a\nb\ntask"}},
      {"fences and their info strings", "~~~js title\nlet x;\n\n```\n~~~\n", {u"let x;\n\n```"}},
      {"an unclosed fence runs to the end", "```\ncode", {u"code"}},
      {"rules and reference definitions",
       "text\n\n***\n- - -\n\n[id]: http://x \"t\"\n",
       {u"text"}},
      {"tables", "a | b\n--|--\n`c\\|d` | e", {u"a\nb\nc|d\ne"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Blocks(c.markdown), c.blocks) << c.name;
}

}  // namespace
}  // namespace tw
