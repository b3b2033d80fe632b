#pragma once

#include <pugixml.hpp>
#include <set>
#include <string>
#include <vector>

namespace tw {

// Gathers the shown text of OpenDocument paragraphs: every paragraph and heading ended by "\r",
// spaces and tabs as written, fields by their shown text. What lives elsewhere in the document
// (notes, comments, drawn frames, and with `separateTables` whole tables) is set aside for the
// caller; deleted tracked text and text in hidden styles are left out.
class OdfParagraphs {
 public:
  OdfParagraphs(const std::set<std::string>& hiddenStyles, int depthLimit, char16_t lineBreak,
                bool separateTables)
      : hiddenStyles_(hiddenStyles),
        depthLimit_(depthLimit),
        lineBreak_(lineBreak),
        separateTables_(separateTables) {}

  // The paragraphs, lists, sections and tables among `parent`'s children.
  void AppendBlocks(pugi::xml_node parent, std::u16string& out);
  std::u16string Blocks(pugi::xml_node parent) {
    std::u16string out;
    AppendBlocks(parent, out);
    return out;
  }

  std::vector<pugi::xml_node> notes;        // text:note
  std::vector<pugi::xml_node> annotations;  // office:annotation
  std::vector<pugi::xml_node> frames;       // drawn shapes and frames, groups included
  std::vector<pugi::xml_node> tables;       // with separateTables only

 private:
  void AppendInline(pugi::xml_node parent, std::string& out);
  void AppendInlineElement(pugi::xml_node element, std::string& out);
  bool IsHidden(pugi::xml_node element) const;

  const std::set<std::string>& hiddenStyles_;
  int depthLimit_;
  int depth_ = 0;
  char16_t lineBreak_;
  bool separateTables_;
};

// Whether an element is one of the drawing shapes a frame list holds.
bool IsDrawnShape(pugi::xml_node node);

}  // namespace tw
