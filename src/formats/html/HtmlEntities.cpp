#include "formats/html/HtmlEntities.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>

#include "formats/common/MarkupText.h"
#include "text/Utf16Text.h"
#include "text/Windows1252.h"

namespace tw {
namespace {

// The names of U+00A0-U+00FF, in order.
constexpr std::array<std::string_view, 96> kLatin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

// The Greek letters from U+0391 (capitals) and U+03B1 (small), in order; U+03A2 has no capital.
constexpr std::array<std::string_view, 25> kGreekNames = {
    "alpha", "beta",   "gamma",   "delta", "epsilon", "zeta",    "eta",  "theta", "iota",
    "kappa", "lambda", "mu",      "nu",    "xi",      "omicron", "pi",   "rho",   "sigmaf",
    "sigma", "tau",    "upsilon", "phi",   "chi",     "psi",     "omega"};

constexpr std::array<std::pair<std::string_view, char32_t>, 48> kOtherNames = {{
    {"amp", U'&'},      {"lt", U'<'},       {"gt", U'>'},      {"quot", U'"'},
    {"apos", U'\''},    {"OElig", 0x152},   {"oelig", 0x153},  {"Scaron", 0x160},
    {"scaron", 0x161},  {"Yuml", 0x178},    {"fnof", 0x192},   {"circ", 0x2C6},
    {"tilde", 0x2DC},   {"ensp", 0x2002},   {"emsp", 0x2003},  {"thinsp", 0x2009},
    {"zwnj", 0x200C},   {"zwj", 0x200D},    {"lrm", 0x200E},   {"rlm", 0x200F},
    {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018}, {"rsquo", 0x2019},
    {"sbquo", 0x201A},  {"ldquo", 0x201C},  {"rdquo", 0x201D}, {"bdquo", 0x201E},
    {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022},  {"hellip", 0x2026},
    {"permil", 0x2030}, {"prime", 0x2032},  {"Prime", 0x2033}, {"lsaquo", 0x2039},
    {"rsaquo", 0x203A}, {"oline", 0x203E},  {"frasl", 0x2044}, {"euro", 0x20AC},
    {"trade", 0x2122},  {"larr", 0x2190},   {"uarr", 0x2191},  {"rarr", 0x2192},
    {"darr", 0x2193},   {"harr", 0x2194},   {"minus", 0x2212}, {"hearts", 0x2665},
}};

using NameTable = std::map<std::string, char32_t, std::less<>>;

const NameTable& NamedReferences() {
  static const NameTable names = [] {
    NameTable table;
    for (const auto& [name, cp] : kOtherNames) table.emplace(name, cp);
    for (size_t k = 0; k < kLatin1Names.size(); ++k) table.emplace(kLatin1Names[k], 0xA0 + k);
    for (size_t k = 0; k < kGreekNames.size(); ++k) {
      std::string name(kGreekNames[k]);
      table.emplace(name, 0x3B1 + k);
      if (name == "sigmaf") continue;
      name[0] = static_cast<char>(name[0] - 'a' + 'A');
      table.emplace(name, 0x391 + k);
    }
    return table;
  }();
  return names;
}

// More characters than this between "&" and ";" is no reference.
constexpr size_t kLongestReference = 32;

char32_t NumericReference(std::string_view digits, int base) {
  if (digits.empty()) return 0;
  char32_t value = 0;
  for (const char c : digits) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return 0;
    value = std::min<char32_t>(value * static_cast<char32_t>(base) + digit, 0x110000);
  }
  // Browsers read the references of 0x80-0x9F as Windows-1252 and put U+FFFD for what no
  // character is.
  if (value >= 0x80 && value < 0xA0) return Windows1252CodePoint(static_cast<uint8_t>(value));
  if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0xFFFD;
  return value;
}

}  // namespace

size_t DecodeHtmlReference(std::string_view text, size_t i, std::string& out) {
  const size_t semicolon = text.find(';', i);
  if (semicolon == std::string_view::npos || semicolon - i > kLongestReference) return i;
  const std::string_view name = text.substr(i + 1, semicolon - i - 1);
  char32_t cp = 0;
  if (name.starts_with("#x") || name.starts_with("#X")) {
    cp = NumericReference(name.substr(2), 16);
  } else if (name.starts_with('#')) {
    cp = NumericReference(name.substr(1), 10);
  } else {
    const auto& names = NamedReferences();
    const auto it = names.find(name);
    if (it != names.end()) cp = it->second;
  }
  if (cp == 0) return i;
  AppendUtf8(out, cp);
  return semicolon + 1;
}

}  // namespace tw
