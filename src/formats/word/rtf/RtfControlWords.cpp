#include "formats/word/rtf/RtfControlWords.h"

#include <unordered_map>

#include "formats/word/WordText.h"

namespace tw {
namespace {

// Destinations whose text is never shown: tables, document info, pictures and object data,
// field instructions, list numbering text and list definitions (wherever they stand), comments,
// note separators, text for readers without nested tables, and the header and footer kinds that
// are not the primary ones.
constexpr std::string_view kSkippedDestinations[] = {"colortbl",
                                                     "stylesheet",
                                                     "info",
                                                     "pict",
                                                     "objdata",
                                                     "objclass",
                                                     "objname",
                                                     "listtable",
                                                     "listoverridetable",
                                                     "themedata",
                                                     "colorschememapping",
                                                     "datastore",
                                                     "latentstyles",
                                                     "xmlnstbl",
                                                     "rsidtbl",
                                                     "generator",
                                                     "fldinst",
                                                     "revtbl",
                                                     "filetbl",
                                                     "pgdsctbl",
                                                     "bkmkstart",
                                                     "bkmkend",
                                                     "nonshppict",
                                                     "shprslt",
                                                     "template",
                                                     "docvar",
                                                     "datafield",
                                                     "mmathPr",
                                                     "pntext",
                                                     "listtext",
                                                     "leveltext",
                                                     "levelnumbers",
                                                     "listname",
                                                     "pntxta",
                                                     "pntxtb",
                                                     "atnid",
                                                     "atnauthor",
                                                     "atndate",
                                                     "atnref",
                                                     "ftnsep",
                                                     "ftnsepc",
                                                     "aftnsep",
                                                     "aftnsepc",
                                                     "tc",
                                                     "tcn",
                                                     "xe",
                                                     "do",
                                                     "userprops",
                                                     "listpicture",
                                                     "headerl",
                                                     "headerf",
                                                     "footerl",
                                                     "footerf",
                                                     "private",
                                                     "wgrffmtfilter",
                                                     "fchars",
                                                     "lchars",
                                                     "pnseclvl",
                                                     "blipuid",
                                                     "passwordhash",
                                                     "protusertbl",
                                                     "ud",
                                                     "nonesttables"};

constexpr std::string_view kShownDestinations[] = {"field", "fldrslt", "shpinst", "result"};

struct Named {
  std::string_view name;
  char16_t character;
};

constexpr Named kNamedCharacters[] = {
    {"par", kWordBreak},      {"line", kWordBreak},     {"cell", kWordBreak},
    {"row", kWordBreak},      {"nestcell", kWordBreak}, {"nestrow", kWordBreak},
    {"page", kWordBreak},     {"column", kWordBreak},   {"softline", kWordBreak},
    {"softpage", kWordBreak}, {"softcol", kWordBreak},  {"lbr", kWordBreak},
    {"tab", u'\t'},           {"emdash", u'\u2014'},    {"endash", u'\u2013'},
    {"bullet", u'\u2022'},    {"lquote", u'\u2018'},    {"rquote", u'\u2019'},
    {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'},
    {"enspace", u'\u2002'},   {"qmspace", u'\u2005'},   {"zwj", u'\u200D'},
    {"zwnj", u'\u200C'},      {"ltrmark", u'\u200E'},   {"rtlmark", u'\u200F'},
    {"zwbo", u'\u200B'},      {"zwnbo", u'\uFEFF'},
};

struct Plain {
  std::string_view name;
  RtfWord word;
};

constexpr Plain kWords[] = {
    {"fonttbl", RtfWord::FontTable},
    {"header", RtfWord::Header},
    {"headerr", RtfWord::Header},
    {"footer", RtfWord::Footer},
    {"footerr", RtfWord::Footer},
    {"footnote", RtfWord::Footnote},
    {"annotation", RtfWord::Annotation},
    {"ftnalt", RtfWord::EndnoteMark},
    {"shp", RtfWord::Shape},
    {"shpgrp", RtfWord::ShapeGroup},
    {"shptxt", RtfWord::ShapeText},
    {"sp", RtfWord::ShapeProperty},
    {"sn", RtfWord::PropertyName},
    {"sv", RtfWord::PropertyValue},
    {"v", RtfWord::Hidden},
    {"deleted", RtfWord::Deleted},
    {"plain", RtfWord::Plain},
    {"f", RtfWord::Font},
    {"fcharset", RtfWord::FontCharset},
    {"cpg", RtfWord::FontCodePage},
    {"deff", RtfWord::DefaultFont},
    {"uc", RtfWord::UnicodeSkip},
    {"u", RtfWord::Unicode},
    {"ansicpg", RtfWord::AnsiCodePage},
    {"mac", RtfWord::MacCodePage},
    {"pc", RtfWord::PcCodePage},
    {"sect", RtfWord::Section},
};

std::unordered_map<std::string_view, RtfWordInfo> BuildTable() {
  std::unordered_map<std::string_view, RtfWordInfo> table;
  for (std::string_view name : kSkippedDestinations) table[name] = {RtfWord::SkippedDestination};
  for (std::string_view name : kShownDestinations) table[name] = {RtfWord::ShownDestination};
  for (const Named& named : kNamedCharacters) {
    table[named.name] = {RtfWord::NamedCharacter, named.character};
  }
  for (const Plain& plain : kWords) table[plain.name] = {plain.word};
  return table;
}

}  // namespace

RtfWordInfo LookUpRtfWord(std::string_view name) {
  static const std::unordered_map<std::string_view, RtfWordInfo> table = BuildTable();
  const auto found = table.find(name);
  return found == table.end() ? RtfWordInfo{} : found->second;
}

}  // namespace tw
