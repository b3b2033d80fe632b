#pragma once

#include <string>
#include <vector>

#include "app/CurrentPricing.h"

namespace tw {

class CountListModel;

// Moves file-list paths into the count list. A path already listed in a compared row is
// skipped (exact, case-sensitive); the comparison goes through a hash set, so adding k files to
// r rows costs about k + r steps instead of k × r.
class CountListAdder {
 public:
  // "Add selected": compares with the rows that were there before and inserts every new path at
  // that old row count, so the new rows stand below the old ones in reverse order. Returns how
  // many rows were inserted.
  static int AddSelected(CountListModel& model, const std::vector<std::string>& selectedPaths,
                         const CurrentPricing& current);
  // "Add all": appends every path not yet listed (rows added by this call included), in order.
  static int AddAll(CountListModel& model, const std::vector<std::string>& paths,
                    const CurrentPricing& current);
  // The header of the file column after an add or a remove.
  static std::string RowCountHeader(int rows);
};

}  // namespace tw
