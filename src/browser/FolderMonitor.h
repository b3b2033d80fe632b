#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace tw {

// Watches one mounted file system for changes of folder names (and file names, when the tree
// shows files) on a worker thread with inotify. Folders are watched recursively, below the mount
// point and below every folder the tree asks for, up to a cap; a change calls the notice function
// on the worker thread, at most once until the notice is acknowledged, and not while the
// monitoring switch is off.
class FolderMonitor {
 public:
  using Notice = std::function<void(int id)>;
  // The worker threads' name, as tools that list threads show it.
  static constexpr const char* kThreadName = "tw-folder-watch";

  FolderMonitor(int id, std::string path, bool watchFiles, const std::atomic<int>& switchOn,
                Notice notice, int maxWatches = 2048);
  ~FolderMonitor();  // stops and joins the worker
  FolderMonitor(const FolderMonitor&) = delete;
  FolderMonitor& operator=(const FolderMonitor&) = delete;

  // False when the path could not be watched (the worker then ended at once).
  bool Start();
  void Stop();
  // Asks the worker to watch a folder the tree shows (and the folders below it).
  void Watch(const std::string& folder);
  // The window thread handled the last notice; the next change may notify again.
  void Acknowledge() { pending_.store(false); }

  int Id() const { return id_; }
  const std::string& Path() const { return path_; }
  bool Running() const { return running_.load(); }
  int WatchCount() const { return watchCount_.load(); }
  // Changes the worker has read and judged so far (a notice, if any, already given), and walks
  // that set up watches finished: the facts a caller waits for before it concludes that a change
  // caused no notice.
  int EventsHandled() const { return eventsHandled_.load(); }
  int WalksDone() const { return walksDone_.load(); }

 private:
  void Run();
  void AddTree(const std::string& folder);
  bool AddWatch(const std::string& folder);
  bool HandleEvents();
  void TakeRequests();

  const int id_;
  const std::string path_;
  const bool watchFiles_;
  const std::atomic<int>& switch_;
  Notice notice_;
  const int maxWatches_;

  int inotify_ = -1;
  int wake_ = -1;  // eventfd: stop and watch requests
  std::thread worker_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> running_{false};
  std::atomic<bool> pending_{false};
  std::atomic<int> watchCount_{0};
  std::atomic<int> eventsHandled_{0};
  std::atomic<int> walksDone_{0};
  std::unordered_map<int, std::string> watches_;  // the worker's: descriptor -> folder
  std::mutex requestsMutex_;
  std::vector<std::string> requests_;
};

}  // namespace tw
