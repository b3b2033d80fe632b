#pragma once

#include <vector>

#include <QTableView>

namespace tw {

class CountListModel;

// The count list's view: report style with grid lines, whole-row selection of several rows,
// header sections that can be dragged into another order. The model paints the priced column.
class CountListView : public QTableView {
  Q_OBJECT

 public:
  explicit CountListView(QWidget* parent = nullptr);

  void SetCountModel(CountListModel* model);
  // Selected rows in ascending order.
  std::vector<int> SelectedRows() const;
  void SetColumnWidths(const std::vector<int>& widths);
};

}  // namespace tw
