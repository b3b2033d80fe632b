#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QAbstractTableModel>

#include "counting/CellTexts.h"
#include "counting/CountRow.h"
#include "counting/CountTotals.h"
#include "counting/Pricing.h"

namespace tw {

// The column after the amount: the lines, pages or weighted words a row is priced by. The window
// shows it only while one of those prices the list.
inline constexpr int kPricedUnitsColumn = kCountColumnCount;

// The count list: its rows as numbers, the run totals, and the texts the view shows for them
// (cells and headers), black on white with the priced column grey. The view asks only for the
// rows it shows, so a list of 100 000 rows costs nothing per row beyond the row itself.
class CountListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit CountListModel(QObject* parent = nullptr);

  // The current pricing text, asked at every repaint so the grey column follows it.
  void SetPricingSource(std::function<std::string()> source) { pricing_ = std::move(source); }

  // The standard line and page lengths and the repetition weight that pricing uses.
  void SetUnitOptions(const UnitOptions& units) { units_ = units; }
  const UnitOptions& Units() const { return units_; }
  // Whether the current pricing prices lines, pages or weighted words.
  bool PricesUnits() const;
  PricingMode CurrentMode() const;

  const std::vector<CountRow>& Rows() const { return rows_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  std::string Cell(int row, int column) const;
  std::string Header(int column) const;
  void SetHeader(int column, const std::string& text);
  void AppendRows(std::vector<CountRow> rows);
  // Removes the rows at the given indexes (any order, duplicates ignored).
  void RemoveRows(std::vector<int> indexes);
  void Clear();

  // A file's counts and amount from a count run.
  void SetCounted(int row, const FileCounts& counts, double amount);
  // The file could not be counted: no counts, no amount, and the reason as the row's mark.
  void SetFailed(int row, const std::string& message);
  // The row shows no counts, no amount and no failure again, as before it was first counted.
  void ClearCounted(int row);
  // Every row takes the rate (the edit's text and its value) or the currency.
  void SetRate(const std::string& rateText, double rate);
  void SetCurrency(const std::string& currency);
  // Prices every row again with its own rate and shows the totals of all rows.
  void Reprice(PricingMode mode);

  const CountTotals& Totals() const { return totals_; }
  // The totals, also written into the headers of the count and amount columns.
  void ShowTotals(const CountTotals& totals);
  // The totals without touching the headers: they keep what they show until a file is counted.
  void SetTotals(const CountTotals& totals) { totals_ = totals; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  void RemoveRange(int first, int last);
  void RebuildWithout(const std::vector<int>& sortedIndexes);
  void ColumnChanged(int column);
  void CountCellsChanged(int row);
  std::string PricedUnitsCell(int row) const;
  std::string PricedUnitsHeader() const;

  std::vector<CountRow> rows_;
  CountRowCells headers_;
  CountTotals totals_;
  std::function<std::string()> pricing_;
  UnitOptions units_;
};

}  // namespace tw
