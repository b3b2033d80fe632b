#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QObject>

#include "app/UrlOpener.h"

class QAction;
class QMenu;
class QPoint;

namespace tw {

class CountListModel;
class CountListView;

// What the count list offers by keyboard and context menu: Delete removes the selected rows;
// Open, Open containing folder and Copy path act on the selected files.
class CountListActions : public QObject {
  Q_OBJECT

 public:
  CountListActions(CountListView* view, CountListModel* model, QObject* parent);

  // Removing is refused while a count holds the rows' places (the Remove button is off then).
  void SetRemoveAllowed(std::function<bool()> allowed) { removeAllowed_ = std::move(allowed); }
  void SetOpener(UrlOpener opener) { opener_ = std::move(opener); }

  QAction* Remove() const { return remove_; }
  QAction* Open() const { return open_; }
  QAction* OpenFolder() const { return openFolder_; }
  QAction* CopyPath() const { return copyPath_; }
  // The context menu for the current selection, its entries enabled as they apply.
  QMenu* BuildMenu(QWidget* parent);

 signals:
  void removeRequested();

 private:
  std::vector<std::string> SelectedPaths() const;
  void OnContextMenu(const QPoint& position);
  void OnOpen();
  void OnOpenFolder();
  void OnCopyPath();

  CountListView* view_;
  CountListModel* model_;
  std::function<bool()> removeAllowed_;
  UrlOpener opener_;
  QAction* remove_;
  QAction* open_;
  QAction* openFolder_;
  QAction* copyPath_;
};

}  // namespace tw
