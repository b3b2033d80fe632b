#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "browser/FileListRow.h"
#include "browser/FileTypeFlags.h"

namespace tw {

// One listing for the file list, run on a thread of its own: the files directly inside a folder,
// or every file of a folder subtree. It keeps the files the type flags accept, reads each one's
// size and time, and hands the rows over in batches by queued signal, so that no folder is too
// big for the window to stay responsive. Cancel is an atomic flag tested before every entry.
class FolderWalk : public QObject {
  Q_OBJECT
 public:
  enum class Scope { Folder, Subtree };
  struct Request {
    std::string folder;
    Scope scope = Scope::Folder;
    std::string mask = "*.*";  // folder listings only; the subtree walk takes every name
    FileTypeFlags flags;
  };

  explicit FolderWalk(Request request, QObject* parent = nullptr);
  // Cancels the walk and waits for its thread (at most the entry in hand).
  ~FolderWalk() override;
  FolderWalk(const FolderWalk&) = delete;
  FolderWalk& operator=(const FolderWalk&) = delete;

  void Start();
  void Cancel() { cancelled_.store(true); }
  Scope GetScope() const { return request_.scope; }

  // The first batch leaves after 1000 rows or 40 ms, whichever comes first, so that rows show
  // at once. Later batches may grow to as many rows as went before them, or 200 ms: the view lays
  // out the whole list for every batch, so a long listing is best shown in few steps.
  static constexpr size_t kFirstBatchRows = 1000;
  static constexpr std::chrono::milliseconds kFirstBatchInterval{40};
  static constexpr std::chrono::milliseconds kBatchInterval{200};

 signals:
  // Rows in enumeration order; emitted on the walk's thread.
  void rowsFound(const std::vector<tw::FileListRow>& rows);
  // The walk's last signal; `completed` is false when it was cancelled.
  void ended(bool completed);

 private:
  void Run();
  bool ListFolder();
  bool ListSubtree();
  void Offer(const std::string& path);
  void FlushWhenDue();
  void Flush();

  const Request request_;
  std::atomic<bool> cancelled_{false};
  std::vector<FileListRow> batch_;
  size_t delivered_ = 0;
  std::chrono::steady_clock::time_point lastFlush_;
  std::thread thread_;
};

}  // namespace tw
