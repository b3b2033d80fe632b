#include "browser/GridLineDelegate.h"

#include <QPainter>

namespace tw {

void GridLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  painter->save();
  painter->setPen(option.palette.color(QPalette::Midlight));
  const QRect& cell = option.rect;
  painter->drawLine(cell.bottomLeft(), cell.bottomRight());
  painter->drawLine(cell.topRight(), cell.bottomRight());
  painter->restore();
}

}  // namespace tw
