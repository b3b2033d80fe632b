#include "app/CountListAdder.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "app/CountListModel.h"
#include "counting/CountColumns.h"

namespace tw {
namespace {

CountRowCells NewRow(const std::string& path, const CurrentValues& current) {
  return {path, "", "", "", current.currency, current.rate, ""};
}

std::unordered_set<std::string_view> ListedPaths(const CountListModel& model) {
  std::unordered_set<std::string_view> listed;
  listed.reserve(static_cast<size_t>(model.Rows()) * 2);
  for (int row = 0; row < model.Rows(); ++row) listed.insert(model.Cell(row, kFileColumn));
  return listed;
}

}  // namespace

int CountListAdder::AddSelected(CountListModel& model,
                                const std::vector<std::string>& selectedPaths,
                                const CurrentValues& current) {
  const std::unordered_set<std::string_view> before = ListedPaths(model);
  std::vector<CountRowCells> added;
  for (const std::string& path : selectedPaths) {
    if (!before.contains(path)) added.push_back(NewRow(path, current));
  }
  // Each new row goes to the old row count, pushing the earlier new rows down: the block lands
  // at the end in reverse order.
  std::reverse(added.begin(), added.end());
  const int count = static_cast<int>(added.size());
  model.AppendRows(std::move(added));
  return count;
}

int CountListAdder::AddAll(CountListModel& model, const std::vector<std::string>& paths,
                           const CurrentValues& current) {
  std::unordered_set<std::string_view> listed = ListedPaths(model);
  std::vector<CountRowCells> added;
  for (const std::string& path : paths) {
    // `paths` outlives this call, so its strings can stand in the set for the new rows.
    if (listed.insert(path).second) added.push_back(NewRow(path, current));
  }
  const int count = static_cast<int>(added.size());
  model.AppendRows(std::move(added));
  return count;
}

std::string CountListAdder::RowCountHeader(int rows) {
  return kRowCountHeaderPrefix + std::to_string(rows);
}

}  // namespace tw
