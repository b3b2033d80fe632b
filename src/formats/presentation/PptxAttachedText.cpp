#include "formats/presentation/PptxAttachedText.h"

#include <string_view>

#include "formats/container/ContainerError.h"
#include "formats/presentation/PptxXml.h"

namespace tw::powerpoint {
namespace {

// Placeholders of a notes page that show the slide or its headers and footers, not notes.
bool IsNotesFurniture(std::string_view placeholderType) {
  return placeholderType == "sldImg" || placeholderType == "sldNum" || placeholderType == "dt" ||
         placeholderType == "hdr" || placeholderType == "ftr";
}

void CollectNotes(pugi::xml_node parent, int depth, int maxDepth,
                  std::vector<std::u16string>& texts) {
  if (depth > maxDepth) throw ContainerError("shapes are nested too deeply");
  for (pugi::xml_node child : parent.children()) {
    if (Is(child, "grpSp")) {
      CollectNotes(child, depth + 1, maxDepth, texts);
    } else if (Is(child, "sp")) {
      const pugi::xml_node placeholder = Child(Child(Child(child, "nvSpPr"), "nvPr"), "ph");
      if (IsNotesFurniture(placeholder.attribute("type").value())) continue;
      const pugi::xml_node body = Child(child, "txBody");
      if (body) texts.push_back(TextOfBody(body));
    }
  }
}

// Cached strings of a reference (strRef, multiLvlStrRef) or a literal, in order.
void CollectCachedStrings(pugi::xml_node node, int depth, std::vector<std::u16string>& texts) {
  if (depth > 8) return;
  for (pugi::xml_node child : node.children()) {
    if (Is(child, "pt")) {
      texts.push_back(Utf8ToUtf16(Child(child, "v").child_value()));
    } else if (Is(child, "numRef") || Is(child, "numLit") || Is(child, "extLst")) {
      continue;  // numbers are data, not names
    } else if (child.type() == pugi::node_element) {
      CollectCachedStrings(child, depth + 1, texts);
    }
  }
}

// A title's own text, or the cached text of the cell it refers to.
void CollectTitle(pugi::xml_node title, std::vector<std::u16string>& texts) {
  const pugi::xml_node text = Child(title, "tx");
  const pugi::xml_node rich = Child(text, "rich");
  if (rich) {
    texts.push_back(TextOfBody(rich));
  } else {
    CollectCachedStrings(text, 0, texts);
  }
}

void CollectSeries(pugi::xml_node series, bool& categoriesTaken,
                   std::vector<std::u16string>& texts) {
  const pugi::xml_node name = Child(series, "tx");
  if (Child(name, "v")) {
    texts.push_back(Utf8ToUtf16(Child(name, "v").child_value()));
  } else {
    CollectCachedStrings(name, 0, texts);
  }
  const pugi::xml_node categories = Child(series, "cat");
  if (!categoriesTaken && categories) {
    const size_t before = texts.size();
    CollectCachedStrings(categories, 0, texts);
    categoriesTaken = texts.size() > before;
  }
}

void CollectChart(pugi::xml_node node, int depth, int maxDepth, bool& categoriesTaken,
                  std::vector<std::u16string>& texts) {
  if (depth > maxDepth) throw ContainerError("a chart is nested too deeply");
  for (pugi::xml_node child : node.children()) {
    if (Is(child, "title")) {
      CollectTitle(child, texts);
    } else if (Is(child, "ser")) {
      CollectSeries(child, categoriesTaken, texts);
    } else if (child.type() == pugi::node_element && !Is(child, "extLst") && !Is(child, "txPr")) {
      CollectChart(child, depth + 1, maxDepth, categoriesTaken, texts);
    }
  }
}

}  // namespace

std::vector<std::u16string> NotesTexts(pugi::xml_node notes, int maxDepth) {
  std::vector<std::u16string> texts;
  CollectNotes(Child(Child(notes, "cSld"), "spTree"), 0, maxDepth, texts);
  return texts;
}

std::vector<std::u16string> CommentTexts(pugi::xml_node commentList) {
  std::vector<std::u16string> texts;
  for (pugi::xml_node comment : commentList.children()) {
    if (!Is(comment, "cm")) continue;
    if (const pugi::xml_node text = Child(comment, "text")) {
      texts.push_back(Utf8ToUtf16(text.child_value()));
    } else {
      texts.push_back(TextOfBody(Child(comment, "txBody")));
    }
    for (pugi::xml_node reply : Child(comment, "replyLst").children()) {
      if (Is(reply, "reply")) texts.push_back(TextOfBody(Child(reply, "txBody")));
    }
  }
  return texts;
}

std::vector<std::u16string> ChartTexts(pugi::xml_node chartSpace, int maxDepth) {
  std::vector<std::u16string> texts;
  bool categoriesTaken = false;
  CollectChart(Child(chartSpace, "chart"), 0, maxDepth, categoriesTaken, texts);
  return texts;
}

std::vector<std::u16string> DiagramTexts(pugi::xml_node dataModel) {
  std::vector<std::u16string> texts;
  for (pugi::xml_node point : Child(dataModel, "ptLst").children()) {
    if (!Is(point, "pt")) continue;
    const std::string_view type = point.attribute("type").value();
    if (!type.empty() && type != "node" && type != "asst") continue;
    const pugi::xml_node text = Child(point, "t");
    if (text) texts.push_back(TextOfBody(text));
  }
  return texts;
}

}  // namespace tw::powerpoint
