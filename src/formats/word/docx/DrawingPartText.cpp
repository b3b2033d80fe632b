#include "formats/word/docx/DrawingPartText.h"

#include <string_view>

#include "formats/word/WordText.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

void AppendLine(std::u16string& out, std::string_view utf8) {
  if (utf8.empty()) return;
  out += Utf8ToUtf16(utf8);
  out += kWordBreak;
}

// DrawingML paragraphs (a:p with a:r/a:t, a:fld/a:t and a:br), one line each.
void AppendParagraphs(std::u16string& out, pugi::xml_node body) {
  for (const pugi::xml_node paragraph : body.children("a:p")) {
    std::string line;
    for (const pugi::xml_node part : paragraph.children()) {
      const std::string_view name = part.name();
      if (name == "a:r" || name == "a:fld") line += part.child("a:t").child_value();
      if (name == "a:br") line += ' ';
    }
    AppendLine(out, line);
  }
}

// The cached strings of a string reference or literal (c:strRef, c:strLit, c:multiLvlStrRef).
void AppendCachedStrings(std::u16string& out, pugi::xml_node source) {
  for (const pugi::xpath_node point : source.select_nodes(".//c:pt/c:v")) {
    AppendLine(out, point.node().child_value());
  }
}

// A title's own text, or the cached text of the cell it refers to.
void AppendTitle(std::u16string& out, pugi::xml_node title) {
  const pugi::xml_node text = title.child("c:tx");
  if (const pugi::xml_node rich = text.child("c:rich")) return AppendParagraphs(out, rich);
  AppendCachedStrings(out, text.child("c:strRef"));
}

void AppendCategories(std::u16string& out, pugi::xml_node categories) {
  AppendCachedStrings(out, categories.child("c:strRef"));
  AppendCachedStrings(out, categories.child("c:strLit"));
  AppendCachedStrings(out, categories.child("c:multiLvlStrRef"));
}

}  // namespace

std::u16string ChartPartText(pugi::xml_node chartSpace) {
  std::u16string out;
  const pugi::xml_node chart = chartSpace.child("c:chart");
  if (const pugi::xml_node title = chart.child("c:title")) AppendTitle(out, title);
  const pugi::xml_node plotArea = chart.child("c:plotArea");
  bool categoriesRead = false;
  for (const pugi::xml_node plot : plotArea.children()) {
    for (const pugi::xml_node series : plot.children("c:ser")) {
      const pugi::xml_node name = series.child("c:tx");
      AppendCachedStrings(out, name.child("c:strRef"));
      AppendLine(out, name.child("c:v").child_value());
      // Every series repeats the categories; the chart shows them once.
      if (!categoriesRead && series.child("c:cat")) {
        AppendCategories(out, series.child("c:cat"));
        categoriesRead = true;
      }
    }
    if (const pugi::xml_node axisTitle = plot.child("c:title")) AppendTitle(out, axisTitle);
  }
  return out;
}

std::u16string DiagramPartText(pugi::xml_node dataModel) {
  std::u16string out;
  for (const pugi::xml_node point : dataModel.child("dgm:ptLst").children("dgm:pt")) {
    // Content points (plain and assistant nodes) hold what a reader sees; the others describe
    // the layout and the connections between them.
    const std::string_view type = point.attribute("type").value();
    if (!type.empty() && type != "node" && type != "asst") continue;
    AppendParagraphs(out, point.child("dgm:t"));
  }
  return out;
}

}  // namespace tw
