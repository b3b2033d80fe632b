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

class FileList;

// What the file list offers by keyboard and context menu: Enter or Space adds the selected files
// to the count list, as "Add selected" does; Open hands them to the desktop.
class FileListActions : public QObject {
  Q_OBJECT

 public:
  FileListActions(FileList* list, QObject* parent);

  void SetOpener(UrlOpener opener) { opener_ = std::move(opener); }
  QAction* Add() const { return add_; }
  QAction* Open() const { return open_; }
  QMenu* BuildMenu(QWidget* parent);

 signals:
  void addRequested();

 private:
  void OnContextMenu(const QPoint& position);
  void OnOpen();

  FileList* list_;
  UrlOpener opener_;
  QAction* add_;
  QAction* open_;
};

}  // namespace tw
