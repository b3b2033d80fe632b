#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/html/HtmlReader.h"
#include "support/TempDir.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

// The blocks a browser would show, one string each.
std::vector<std::string> Blocks(std::string_view html) {
  std::vector<std::string> blocks;
  for (const TextPiece& piece : ParseHtml(html).pieces) {
    EXPECT_EQ(piece.kind, PieceKind::Block);
    blocks.push_back(Utf16ToUtf8(piece.text));
  }
  return blocks;
}

using Texts = std::vector<std::string>;

TEST(HtmlReader, ShowsTheTextABrowserShows) {
  const struct {
    const char* html;
    Texts shown;
  } cases[] = {
      // Character references are decoded; an unknown one or a bare "&" stays as written.
      {"<p>Fish &amp; chips &eacute;t&eacute; &#8364;5 &#x41;&#65; &bogus; a & b</p>",
       {"Fish & chips \u00E9t\u00E9 \u20AC5 AA &bogus; a & b"}},
      {"<p>&nbsp;x&hellip;&mdash;&Omega;&sigmaf;</p>", {"\u00A0x\u2026\u2014\u03A9\u03C2"}},
      {"<p>&#150;&#0;&#xD800;</p>", {"\u2013\uFFFD\uFFFD"}},
      // What a browser does not show.
      {"<head><title>Title</title><style>p{}</style></head><body>Shown</body>", {"Shown"}},
      {"<script>if (a < b) document.write('<p>no</p>')</script>yes", {"yes"}},
      {"<SCRIPT type=x>hidden</SCRIPT >shown<noscript>no</noscript>", {"shown"}},
      {"a<!-- <p>gone</p> -->b <!---->c", {"ab c"}},
      {"<!DOCTYPE html><?xml version=\"1.0\"?>text", {"text"}},
      // Block elements separate words; inline elements do not.
      {"<p>one</p><p>two</p>", {"one", "two"}},
      {"one<br>two<br/>three", {"one", "two", "three"}},
      {"<table><tr><td>a</td><td>b</td></tr></table>", {"a", "b"}},
      {"<ul><li>x</li><li>y</li></ul><h1>z</h1>", {"x", "y", "z"}},
      {"w<b>o</b><i>r</i>d <span>two</span>", {"word two"}},
      // White space collapses outside <pre>.
      {"<p>\n  spread\t\tout\r\n  text  </p>", {"spread out text"}},
      {"<pre>a  b\n c</pre>", {"a  b\n c"}},
      // Markup that is not a tag is text; a quoted ">" does not end a tag.
      {"1 < 2 and 3 <4", {"1 < 2 and 3 <4"}},
      {"<a title=\"x > y\" href='>'>link</a>", {"link"}},
      // Unterminated constructs end the text without losing what came before.
      {"kept<!-- never closed", {"kept"}},
      {"kept<script>never closed", {"kept"}},
      {"kept<p class=\"x", {"kept"}},
      {"", {}},
      {"<p> </p><div>\n</div>", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Blocks(c.html), c.shown) << c.html;
}

TEST(HtmlReader, ReadsAFileAndNamesOneItCannotRead) {
  const ReadResult read = ReadHtml(test::FixturePath("profiles/sentence.html"));
  ASSERT_TRUE(read.Ok()) << read.Error().Reason();
  const Texts expected = {"Pi is 3.14 at www.example.com, don't use a/b or file_name.txt - ok?",
                          "日本語のテスト。 한국어 단어"};
  std::vector<std::string> shown;
  for (const TextPiece& piece : read.Doc().pieces) shown.push_back(Utf16ToUtf8(piece.text));
  EXPECT_EQ(shown, expected);

  const ReadResult missing = ReadHtml("/nonexistent/page.html");
  ASSERT_FALSE(missing.Ok());
  EXPECT_NE(missing.Error().Reason().find("/nonexistent/page.html"), std::string::npos);
}

}  // namespace
}  // namespace tw
