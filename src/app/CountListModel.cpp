#include "app/CountListModel.h"

#include <algorithm>

#include <QColor>

#include "counting/PricingMode.h"

namespace tw {
namespace {

// Beyond this many separate ranges one rebuild is cheaper than removing range by range.
constexpr size_t kMaxRangesRemovedOneByOne = 64;

struct Range {
  int first;
  int last;
};

// Contiguous runs of sorted, unique indexes, last run first so earlier indexes stay valid.
std::vector<Range> RangesFromTheEnd(const std::vector<int>& sorted) {
  std::vector<Range> ranges;
  for (int index : sorted) {
    if (!ranges.empty() && ranges.back().last + 1 == index) {
      ranges.back().last = index;
    } else {
      ranges.push_back({index, index});
    }
  }
  std::reverse(ranges.begin(), ranges.end());
  return ranges;
}

}  // namespace

CountListModel::CountListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CountListModel::SetCell(int row, int column, const std::string& text) {
  if (row < 0 || row >= list_.RowCount() || column < 0 || column >= kCountColumnCount) return;
  list_.SetCell(row, column, text);
  const QModelIndex changed = index(row, column);
  emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void CountListModel::SetHeader(int column, const std::string& text) {
  if (column < 0 || column >= kCountColumnCount) return;
  list_.SetHeader(column, text);
  emit headerDataChanged(Qt::Horizontal, column, column);
}

void CountListModel::InsertRow(int index, CountRowCells cells) {
  index = std::clamp(index, 0, list_.RowCount());
  beginInsertRows(QModelIndex(), index, index);
  list_.InsertRow(index, std::move(cells));
  endInsertRows();
}

void CountListModel::AppendRows(std::vector<CountRowCells> rows) {
  if (rows.empty()) return;
  const int first = list_.RowCount();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
  for (CountRowCells& row : rows) list_.AppendRow(std::move(row));
  endInsertRows();
}

void CountListModel::RemoveRows(std::vector<int> indexes) {
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  std::erase_if(indexes, [this](int i) { return i < 0 || i >= list_.RowCount(); });
  if (indexes.empty()) return;
  const std::vector<Range> ranges = RangesFromTheEnd(indexes);
  if (ranges.size() > kMaxRangesRemovedOneByOne) {
    RebuildWithout(indexes);
    return;
  }
  for (const Range& range : ranges) RemoveRange(range.first, range.last);
}

void CountListModel::RemoveRange(int first, int last) {
  beginRemoveRows(QModelIndex(), first, last);
  std::vector<int> doomed;
  for (int i = first; i <= last; ++i) doomed.push_back(i);
  if (first == 0 && last + 1 == list_.RowCount()) {
    list_.Clear();
  } else {
    list_.RemoveRows(std::move(doomed));
  }
  endRemoveRows();
}

void CountListModel::RebuildWithout(const std::vector<int>& sortedIndexes) {
  beginResetModel();
  std::vector<CountRowCells> kept;
  kept.reserve(list_.RowCount() - sortedIndexes.size());
  auto doomed = sortedIndexes.begin();
  for (int i = 0; i < list_.RowCount(); ++i) {
    if (doomed != sortedIndexes.end() && *doomed == i) {
      ++doomed;
      continue;
    }
    kept.push_back(list_.Row(i));
  }
  list_.Clear();
  for (CountRowCells& row : kept) list_.AppendRow(std::move(row));
  endResetModel();
}

void CountListModel::Clear() {
  if (list_.RowCount() == 0) return;
  beginResetModel();
  list_.Clear();
  endResetModel();
}

int CountListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : list_.RowCount();
}

int CountListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kCountColumnCount;
}

QVariant CountListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= list_.RowCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(list_.Cell(index.row(), index.column()));
    case Qt::ForegroundRole:
      return QColor(Qt::black);
    case Qt::BackgroundRole: {
      const int grey = pricing_ ? HighlightedCountColumn(pricing_()) : -1;
      return index.column() == grey ? QColor(227, 227, 227) : QColor(Qt::white);
    }
    default:
      return {};
  }
}

QVariant CountListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kCountColumnCount) return {};
  if (role == Qt::DisplayRole) return QString::fromStdString(list_.Header(section));
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

}  // namespace tw
