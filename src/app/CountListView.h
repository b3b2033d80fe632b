#pragma once

#include <string>
#include <vector>

#include <QTableView>

class QMimeData;

namespace tw {

class CountListModel;

// The count list's view: report style with grid lines, whole-row selection of several rows,
// header sections that can be dragged into another order. The model paints the priced column.
// Files and folders dropped on it from a file manager (or the folder tree) are handed on.
class CountListView : public QTableView {
  Q_OBJECT

 public:
  explicit CountListView(QWidget* parent = nullptr);

  void SetCountModel(CountListModel* model);
  // Selected rows in ascending order.
  std::vector<int> SelectedRows() const;
  void SetColumnWidths(const std::vector<int>& widths);

  // The local paths a drop carries; empty when it carries none.
  static std::vector<std::string> LocalPathsOf(const QMimeData* mime);

 signals:
  void pathsDropped(const std::vector<std::string>& paths);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

}  // namespace tw
