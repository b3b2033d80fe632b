#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "browser/FileTypeFlags.h"
#include "browser/FolderWalk.h"

namespace tw {

// Files and folders dropped on the count list from a file manager. A file of a countable type is
// taken as it is (the user picked it); a folder gives the countable files of its whole subtree,
// walked off the window thread like "Add all files in subfolders", one folder after the other.
class DroppedFiles : public QObject {
  Q_OBJECT

 public:
  explicit DroppedFiles(QObject* parent = nullptr) : QObject(parent) {}
  ~DroppedFiles() override;

  // Takes the dropped paths; `flags` say which types a folder's files are taken of.
  void Take(const std::vector<std::string>& paths, const FileTypeFlags& flags);
  // Forgets the folders not walked yet and ends the walk going on.
  void Cancel();
  bool IsWalking() const { return walk_ != nullptr; }

 signals:
  // Paths for the count list, in the order dropped and walked.
  void filesFound(const std::vector<std::string>& paths);
  // Every dropped folder has been walked (or the walks were cancelled).
  void finished();

 private:
  void WalkNext();
  void OnWalkEnded(bool completed);

  FileTypeFlags flags_;
  std::deque<std::string> folders_;
  std::unique_ptr<FolderWalk> walk_;
  std::vector<std::string> found_;
};

}  // namespace tw
