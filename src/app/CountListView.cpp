#include "app/CountListView.h"

#include <algorithm>

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QUrl>

#include "app/CountListModel.h"

namespace tw {

CountListView::CountListView(QWidget* parent) : QTableView(parent) {
  setShowGrid(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  // Rows of one fixed height: the view never measures 100 000 rows to lay them out.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  verticalHeader()->hide();
  horizontalHeader()->setSectionsMovable(true);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(false);
  setAcceptDrops(true);
  setDropIndicatorShown(false);
}

void CountListView::SetCountModel(CountListModel* model) {
  setModel(model);
}

std::vector<int> CountListView::SelectedRows() const {
  std::vector<int> rows;
  if (selectionModel() == nullptr) return rows;
  // Whole rows are selected, so each selection range spans every column: its rows are the rows.
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void CountListView::SetColumnWidths(const std::vector<int>& widths) {
  for (size_t column = 0; column < widths.size(); ++column) {
    setColumnWidth(static_cast<int>(column), widths[column]);
  }
}

std::vector<std::string> CountListView::LocalPathsOf(const QMimeData* mime) {
  std::vector<std::string> paths;
  if (mime == nullptr || !mime->hasUrls()) return paths;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

// The drop is taken as a copy whatever the source offers: the files stay where they are.
void CountListView::dragEnterEvent(QDragEnterEvent* event) {
  if (LocalPathsOf(event->mimeData()).empty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void CountListView::dragMoveEvent(QDragMoveEvent* event) {
  if (LocalPathsOf(event->mimeData()).empty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void CountListView::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths = LocalPathsOf(event->mimeData());
  if (paths.empty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  emit pathsDropped(paths);
}

}  // namespace tw
