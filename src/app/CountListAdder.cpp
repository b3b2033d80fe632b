#include "app/CountListAdder.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "app/CountListModel.h"

namespace tw {
namespace {

CountRow NewRow(const std::string& path, const CurrentPricing& current) {
  CountRow row;
  row.path = path;
  row.currency = current.currency;
  row.rateText = current.rateText;
  row.rate = current.rate;
  return row;
}

std::unordered_set<std::string_view> ListedPaths(const CountListModel& model) {
  std::unordered_set<std::string_view> listed;
  listed.reserve(model.Rows().size() * 2);
  for (const CountRow& row : model.Rows()) listed.insert(row.path);
  return listed;
}

}  // namespace

int CountListAdder::AddSelected(CountListModel& model,
                                const std::vector<std::string>& selectedPaths,
                                const CurrentPricing& current) {
  std::vector<CountRow> added;
  {
    const std::unordered_set<std::string_view> before = ListedPaths(model);
    for (const std::string& path : selectedPaths) {
      if (!before.contains(path)) added.push_back(NewRow(path, current));
    }
  }
  // Each new row goes to the old row count, pushing the earlier new rows down: the block lands
  // at the end in reverse order.
  std::reverse(added.begin(), added.end());
  const int count = static_cast<int>(added.size());
  model.AppendRows(std::move(added));
  return count;
}

int CountListAdder::AddAll(CountListModel& model, const std::vector<std::string>& paths,
                           const CurrentPricing& current) {
  std::vector<CountRow> added;
  {
    std::unordered_set<std::string_view> listed = ListedPaths(model);
    for (const std::string& path : paths) {
      // `paths` outlives the set, so its strings can stand in it for the new rows.
      if (listed.insert(path).second) added.push_back(NewRow(path, current));
    }
  }
  const int count = static_cast<int>(added.size());
  model.AppendRows(std::move(added));
  return count;
}

std::string CountListAdder::RowCountHeader(int rows) {
  return kRowCountHeaderPrefix + std::to_string(rows);
}

}  // namespace tw
