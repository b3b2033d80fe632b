#pragma once

#include <QStyledItemDelegate>

namespace tw {

// Draws the file list's grid: a thin line below and to the right of every cell.
class GridLineDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace tw
