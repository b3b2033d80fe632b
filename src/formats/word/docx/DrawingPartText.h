#pragma once

#include <pugixml.hpp>
#include <string>

namespace tw {

// The words a chart part shows (its title, its axis titles, its series names and the category
// names of its first series, as the part caches them), each ended by a kWordBreak. Numbers are
// left out: only cached strings are text. `chartSpace` is the part's c:chartSpace element.
std::u16string ChartPartText(pugi::xml_node chartSpace);

// The text of every point of a diagram's data part (a SmartArt graphic), each paragraph ended by
// a kWordBreak. `dataModel` is the part's dgm:dataModel element.
std::u16string DiagramPartText(pugi::xml_node dataModel);

}  // namespace tw
