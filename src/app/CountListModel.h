#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QAbstractTableModel>

#include "counting/CountList.h"

namespace tw {

// The count list as the view sees it: the core CountList's cells and headers as text, black on
// white, with the priced column grey. The view asks only for the rows it shows, so a list of
// 100 000 rows costs nothing per row beyond its cells.
class CountListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit CountListModel(QObject* parent = nullptr);

  // The current pricing mode, asked at every repaint so the grey column follows it.
  void SetPricingSource(std::function<std::string()> source) { pricing_ = std::move(source); }

  const CountList& List() const { return list_; }
  int Rows() const { return list_.RowCount(); }
  const std::string& Cell(int row, int column) const { return list_.Cell(row, column); }
  void SetCell(int row, int column, const std::string& text);
  void SetHeader(int column, const std::string& text);
  void InsertRow(int index, CountRowCells cells);
  void AppendRows(std::vector<CountRowCells> rows);
  // Removes the rows at the given indexes (any order, duplicates ignored).
  void RemoveRows(std::vector<int> indexes);
  void Clear();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  void RemoveRange(int first, int last);
  void RebuildWithout(const std::vector<int>& sortedIndexes);

  CountList list_;
  std::function<std::string()> pricing_;
};

}  // namespace tw
