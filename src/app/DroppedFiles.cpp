#include "app/DroppedFiles.h"

#include <filesystem>

#include "counting/FileTypes.h"

namespace tw {

DroppedFiles::~DroppedFiles() = default;

void DroppedFiles::Take(const std::vector<std::string>& paths, const FileTypeFlags& flags) {
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      folders_.push_back(path);
    } else if (BatchKindOfPath(path)) {
      files.push_back(path);
    }
  }
  if (!files.empty()) emit filesFound(files);
  flags_ = flags;
  if (walk_ == nullptr) WalkNext();
}

void DroppedFiles::Cancel() {
  folders_.clear();
  if (walk_ != nullptr) walk_->Cancel();
}

void DroppedFiles::WalkNext() {
  if (folders_.empty()) {
    emit finished();
    return;
  }
  found_.clear();
  walk_ = std::make_unique<FolderWalk>(
      FolderWalk::Request{folders_.front(), FolderWalk::Scope::Subtree, "*.*", flags_});
  folders_.pop_front();
  // Context `this`: rows and the end arrive as queued calls on the window thread.
  connect(walk_.get(), &FolderWalk::rowsFound, this, [this](const std::vector<FileListRow>& rows) {
    for (const FileListRow& row : rows) found_.push_back(row.fullPath);
  });
  connect(walk_.get(), &FolderWalk::ended, this, &DroppedFiles::OnWalkEnded);
  walk_->Start();
}

void DroppedFiles::OnWalkEnded(bool completed) {
  // A queued call: the walk's thread has sent its last signal, so the join is immediate.
  walk_.reset();
  if (completed && !found_.empty()) emit filesFound(found_);
  found_.clear();
  WalkNext();
}

}  // namespace tw
