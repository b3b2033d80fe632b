#pragma once

#include <pugixml.hpp>
#include <string>
#include <vector>

// The text of the parts a slide carries besides its shapes, each text on its own so that a word
// never runs from one into the next. Each takes the root element of its part.
namespace tw::powerpoint {

// A notes page: every shape's text but the slide image, slide number, date, header and footer.
// Throws ContainerError when groups nest deeper than `maxDepth`.
std::vector<std::u16string> NotesTexts(pugi::xml_node notes, int maxDepth);

// A comment list, of either generation: each comment's text, then its replies'.
std::vector<std::u16string> CommentTexts(pugi::xml_node commentList);

// A chart: its title and axis titles, each series' name, and the category names of the first
// series that has them (the other series share them), all from the cached strings.
std::vector<std::u16string> ChartTexts(pugi::xml_node chartSpace, int maxDepth);

// A diagram's data model: the text of each of its nodes (connections carry none of their own).
std::vector<std::u16string> DiagramTexts(pugi::xml_node dataModel);

}  // namespace tw::powerpoint
