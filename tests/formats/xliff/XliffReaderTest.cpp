#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/xliff/XliffReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

std::vector<std::u16string> Segments(const ReadResult& result) {
  std::vector<std::u16string> texts;
  if (!result.Ok())
    return {u"error: " +
            std::u16string(result.Error().Reason().begin(), result.Error().Reason().end())};
  for (const TextPiece& piece : result.Doc().pieces) texts.push_back(piece.text);
  return texts;
}

std::string Xliff12(const std::string& body) {
  return "<xliff version=\"1.2\" xmlns=\"urn:oasis:names:tc:xliff:document:1.2\" "
         "xmlns:mq=\"MQXliff\" xmlns:sdl=\"http://sdl.com/FileTypes/SdlXliff/1.0\">"
         "<file><body>" +
         body + "</body></file></xliff>";
}

TEST(XliffReader, KeepsTheTextOfInlineTagsButNotTheirCodes) {
  const struct {
    const char* name;
    std::string xliff;
    XliffSide side;
    std::vector<std::u16string> segments;
  } cases[] = {
      {"paired and placeholder codes",
       Xliff12(
           "<trans-unit id='1'><source>a <g id='1'>b</g> <bpt id='2'>&lt;b&gt;</bpt>c"
           "<ept id='2'>&lt;/b&gt;</ept> <ph id='3'>{0}</ph>d<x id='4'/></source></trans-unit>"),
       XliffSide::Source,
       {u"a b c d"}},
      {"a sub-flow inside a code is text",
       Xliff12("<trans-unit id='1'><source>see <ph id='1'>&lt;img alt='<sub>Alt text</sub>'&gt;"
               "</ph></source></trans-unit>"),
       XliffSide::Source,
       {u"see Alt text"}},
      {"translation-memory proposals are not the unit's text",
       Xliff12("<trans-unit id='1'><source>one</source><target>eins</target><alt-trans>"
               "<source>two</source><target>zwei</target></alt-trans></trans-unit>"),
       XliffSide::Target,
       {u"eins"}},
      {"units and groups not to translate, and locked units, are left out",
       Xliff12("<trans-unit id='1' translate='no'><source>no</source></trans-unit>"
               "<group translate='no'><trans-unit id='2'><source>no</source></trans-unit></group>"
               "<trans-unit id='3' mq:locked='locked'><source>no</source></trans-unit>"
               "<group><trans-unit id='4'><source>yes</source></trans-unit></group>"),
       XliffSide::Source,
       {u"yes"}},
      {"a segmented source replaces the source, its locked segments left out",
       Xliff12("<trans-unit id='1'><source>First. Second.</source><seg-source>"
               "<mrk mtype='seg' mid='1'>First.</mrk> <mrk mtype='seg' mid='2'>Second.</mrk>"
               "</seg-source><sdl:seg-defs><sdl:seg id='1' locked='true'/><sdl:seg id='2'/>"
               "</sdl:seg-defs></trans-unit>"),
       XliffSide::Source,
       {u" Second."}},
      {"version 2: segments, not the blanks between them; codes left out",
       "<xliff xmlns='urn:oasis:names:tc:xliff:document:2.0' version='2.0'><file id='f'>"
       "<unit id='1'><segment><source>a <pc id='1'>b</pc><ph id='2'/></source></segment>"
       "<ignorable><source> </source></ignorable><segment><source>c</source>"
       "<target>C</target></segment></unit><unit id='2' translate='no'><segment>"
       "<source>no</source></segment></unit></file></xliff>",
       XliffSide::Source,
       {u"a b", u"c"}},
      {"version 2 targets",
       "<xliff xmlns='urn:oasis:names:tc:xliff:document:2.0' version='2.0'><file id='f'>"
       "<unit id='1'><segment><source>a</source></segment><segment><source>c</source>"
       "<target>C <sc id='1'/>D<ec startRef='1'/></target></segment></unit></file></xliff>",
       XliffSide::Target,
       {u"C D"}},
  };
  const test::TempDir dir;
  for (const auto& c : cases) {
    const std::string path = dir.Write("case.xlf", c.xliff);
    EXPECT_EQ(Segments(ReadXliff(path, c.side)), c.segments) << c.name;
  }
}

TEST(XliffReader, AFileThatIsNotXliffIsThatFilesError) {
  const test::TempDir dir;
  for (const std::string& text : {std::string("<html><body>not xliff</body></html>"),
                                  std::string("<xliff><file>"), std::string("plain text")}) {
    const std::string path = dir.Write("bad.xlf", text);
    const ReadResult result = ReadXliff(path);
    ASSERT_FALSE(result.Ok()) << text;
    EXPECT_NE(result.Error().Reason().find(path), std::string::npos);
  }
}

}  // namespace
}  // namespace tw
