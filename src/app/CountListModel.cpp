#include "app/CountListModel.h"

#include <algorithm>

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QStyle>

#include "app/LocaleText.h"
#include "counting/StandardUnits.h"

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

// The grey column: only the three mode names mark one; any other text marks none.
int HighlightedColumn(const std::string& pricing) {
  if (pricing == kPricingWords) return kWordsColumn;
  if (pricing == kPricingCharsAndSpaces) return kCharsWithSpacesColumn;
  if (pricing == kPricingChars) return kCharsColumn;
  return -1;
}

}  // namespace

CountListModel::CountListModel(QObject* parent)
    : QAbstractTableModel(parent), headers_(InitialCountHeaders()) {}

PricingMode CountListModel::CurrentMode() const {
  return PricingModeOf(pricing_ ? pricing_() : std::string());
}

bool CountListModel::PricesUnits() const {
  return PricesFractionalUnits(CurrentMode());
}

std::string CountListModel::PricedUnitsCell(int row) const {
  const CountRow& shown = rows_[static_cast<size_t>(row)];
  if (!shown.counts || !shown.failure.empty() || !PricesUnits()) return {};
  return HundredthsText(PricedHundredths(*shown.counts, CurrentMode(), units_));
}

std::string CountListModel::PricedUnitsHeader() const {
  switch (CurrentMode()) {
    case PricingMode::Lines:
      return kLinesHeader + HundredthsText(totals_.pricedUnitHundredths);
    case PricingMode::Pages:
      return kPagesHeader + HundredthsText(totals_.pricedUnitHundredths);
    case PricingMode::WeightedWords:
      return kWeightedWordsHeader + HundredthsText(totals_.pricedUnitHundredths);
    default:
      return {};
  }
}

std::string CountListModel::Cell(int row, int column) const {
  if (column == kPricedUnitsColumn && row >= 0 && row < RowCount()) return PricedUnitsCell(row);
  if (row < 0 || row >= RowCount() || column < 0 || column >= kCountColumnCount) return {};
  return CellTextsOf(rows_[row])[column];
}

std::string CountListModel::Header(int column) const {
  if (column == kPricedUnitsColumn) return PricedUnitsHeader();
  if (column < 0 || column >= kCountColumnCount) return {};
  return headers_[column];
}

void CountListModel::SetHeader(int column, const std::string& text) {
  if (column < 0 || column >= kCountColumnCount) return;
  headers_[column] = text;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

void CountListModel::AppendRows(std::vector<CountRow> rows) {
  if (rows.empty()) return;
  const int first = RowCount();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
  rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
               std::make_move_iterator(rows.end()));
  endInsertRows();
}

void CountListModel::RemoveRows(std::vector<int> indexes) {
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  std::erase_if(indexes, [this](int i) { return i < 0 || i >= RowCount(); });
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
  rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
  endRemoveRows();
}

void CountListModel::RebuildWithout(const std::vector<int>& sortedIndexes) {
  beginResetModel();
  std::vector<CountRow> kept;
  kept.reserve(rows_.size() - sortedIndexes.size());
  auto doomed = sortedIndexes.begin();
  for (int i = 0; i < RowCount(); ++i) {
    if (doomed != sortedIndexes.end() && *doomed == i) {
      ++doomed;
      continue;
    }
    kept.push_back(std::move(rows_[i]));
  }
  rows_ = std::move(kept);
  endResetModel();
}

void CountListModel::Clear() {
  if (rows_.empty()) return;
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void CountListModel::SetCounted(int row, const FileCounts& counts, double amount) {
  if (row < 0 || row >= RowCount()) return;
  const bool failedBefore = !rows_[row].failure.empty();
  rows_[row].counts = counts;
  rows_[row].amount = amount;
  rows_[row].failure.clear();
  CountCellsChanged(row);
  if (failedBefore) emit dataChanged(index(row, kFileColumn), index(row, kFileColumn));
}

void CountListModel::SetFailed(int row, const std::string& message) {
  if (row < 0 || row >= RowCount()) return;
  rows_[row].counts.reset();
  rows_[row].amount.reset();
  rows_[row].failure = message;
  CountCellsChanged(row);
  emit dataChanged(index(row, kFileColumn), index(row, kFileColumn));
}

// Cell by cell: the view repaints a single changed cell only where it shows it, but a range
// repaints the whole view, and a run changes rows thousands of times.
void CountListModel::CountCellsChanged(int row) {
  for (int column : {int{kWordsColumn}, int{kCharsWithSpacesColumn}, int{kCharsColumn},
                     int{kAmountColumn}, kPricedUnitsColumn}) {
    emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
  }
}

void CountListModel::ClearCounted(int row) {
  if (row < 0 || row >= RowCount()) return;
  CountRow& cleared = rows_[row];
  if (!cleared.counts && !cleared.amount && cleared.failure.empty()) return;
  cleared.counts.reset();
  cleared.amount.reset();
  cleared.failure.clear();
  emit dataChanged(index(row, kFileColumn), index(row, kPricedUnitsColumn));
}

void CountListModel::SetRate(const std::string& rateText, double rate) {
  for (CountRow& row : rows_) {
    row.rateText = rateText;
    row.rate = rate;
  }
  ColumnChanged(kRateColumn);
}

void CountListModel::SetCurrency(const std::string& currency) {
  for (CountRow& row : rows_) row.currency = currency;
  ColumnChanged(kCurrencyColumn);
}

void CountListModel::Reprice(PricingMode mode) {
  const CountTotals totals = RepriceRows(rows_, mode, units_);
  ColumnChanged(kAmountColumn);
  ColumnChanged(kPricedUnitsColumn);
  ShowTotals(totals);
}

void CountListModel::ShowTotals(const CountTotals& totals) {
  totals_ = totals;
  const CountRowCells texts = HeaderTextsOf(headers_[kFileColumn], totals);
  for (int column : {kWordsColumn, kCharsWithSpacesColumn, kCharsColumn, kAmountColumn}) {
    if (headers_[column] != texts[column]) SetHeader(column, texts[column]);
  }
  emit headerDataChanged(Qt::Horizontal, kPricedUnitsColumn, kPricedUnitsColumn);
}

void CountListModel::ColumnChanged(int column) {
  if (rows_.empty()) return;
  emit dataChanged(index(0, column), index(RowCount() - 1, column), {Qt::DisplayRole});
}

int CountListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : RowCount();
}

int CountListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kCountColumnCount + 1;
}

QVariant CountListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= RowCount()) return {};
  const CountRow& row = rows_[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return LocaleText::Cell(index.column(), Cell(index.row(), index.column()));
    case Qt::ToolTipRole:
      if (!row.failure.empty()) return QString::fromStdString(row.failure);
      return {};
    case Qt::DecorationRole:
      if (row.failure.empty() || index.column() != kFileColumn) return {};
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    case Qt::ForegroundRole:
      return QColor(Qt::black);
    case Qt::BackgroundRole: {
      const int grey = pricing_ ? HighlightedColumn(pricing_()) : -1;
      return index.column() == grey ? QColor(227, 227, 227) : QColor(Qt::white);
    }
    default:
      return {};
  }
}

QVariant CountListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section > kPricedUnitsColumn) return {};
  if (role == Qt::DisplayRole) return LocaleText::Header(Header(section));
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

}  // namespace tw
