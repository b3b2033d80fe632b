#include "browser/FolderMonitor.h"

#include <dirent.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <deque>
#include <memory>
#include <unordered_map>

namespace tw {
namespace {

constexpr uint32_t kNameChanges =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

std::string Join(const std::string& folder, const char* name) {
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

FolderMonitor::FolderMonitor(int id, std::string path, bool watchFiles,
                             const std::atomic<int>& switchOn, Notice notice, int maxWatches)
    : id_(id),
      path_(std::move(path)),
      watchFiles_(watchFiles),
      switch_(switchOn),
      notice_(std::move(notice)),
      maxWatches_(maxWatches) {}

FolderMonitor::~FolderMonitor() {
  Stop();
  if (inotify_ >= 0) ::close(inotify_);
  if (wake_ >= 0) ::close(wake_);
}

bool FolderMonitor::Start() {
  inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  wake_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (inotify_ < 0 || wake_ < 0) return false;
  if (!AddWatch(path_)) return false;
  running_.store(true);
  worker_ = std::thread([this] { Run(); });
  pthread_setname_np(worker_.native_handle(), kThreadName);
  return true;
}

void FolderMonitor::Stop() {
  stop_.store(true);
  if (wake_ >= 0) {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wake_, &one, sizeof one);
  }
  if (worker_.joinable()) worker_.join();
  running_.store(false);
}

void FolderMonitor::Watch(const std::string& folder) {
  {
    std::lock_guard<std::mutex> lock(requestsMutex_);
    requests_.push_back(folder);
  }
  const uint64_t one = 1;
  if (wake_ >= 0) [[maybe_unused]]
    const ssize_t written = ::write(wake_, &one, sizeof one);
}

bool FolderMonitor::AddWatch(const std::string& folder) {
  if (watchCount_.load() >= maxWatches_) return false;
  const uint32_t mask = kNameChanges | IN_ONLYDIR | IN_DONT_FOLLOW | IN_EXCL_UNLINK;
  const int descriptor = inotify_add_watch(inotify_, folder.c_str(), mask);
  if (descriptor < 0) return false;
  auto [it, added] = watches_.emplace(descriptor, folder);
  if (added) watchCount_.fetch_add(1);
  return true;
}

// Breadth first, so that the levels nearest the folder are watched before the cap is reached.
// Links are not followed and other file systems mounted below are left to their own monitors.
void FolderMonitor::AddTree(const std::string& folder) {
  struct stat top {};
  if (::lstat(folder.c_str(), &top) != 0 || !S_ISDIR(top.st_mode)) return;
  std::deque<std::string> pending{folder};
  while (!pending.empty() && !stop_.load() && watchCount_.load() < maxWatches_) {
    const std::string current = pending.front();
    pending.pop_front();
    if (!AddWatch(current)) continue;
    std::unique_ptr<DIR, DirCloser> dir(opendir(current.c_str()));
    if (!dir) continue;
    while (const dirent* entry = readdir(dir.get())) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      const std::string child = Join(current, entry->d_name);
      struct stat info {};
      if (entry->d_type != DT_DIR && entry->d_type != DT_UNKNOWN) continue;
      if (::lstat(child.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) continue;
      if (info.st_dev != top.st_dev) continue;
      pending.push_back(child);
    }
  }
}

void FolderMonitor::TakeRequests() {
  uint64_t count = 0;
  [[maybe_unused]] const ssize_t got = ::read(wake_, &count, sizeof count);
  std::vector<std::string> requests;
  {
    std::lock_guard<std::mutex> lock(requestsMutex_);
    requests.swap(requests_);
  }
  for (const std::string& folder : requests) AddTree(folder);
  walksDone_.fetch_add(1);
}

// True to go on watching.
bool FolderMonitor::HandleEvents() {
  alignas(inotify_event) char buffer[16384];
  bool changed = false;
  int events = 0;
  for (;;) {
    const ssize_t length = ::read(inotify_, buffer, sizeof buffer);
    if (length <= 0) break;
    for (ssize_t offset = 0; offset < length;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
      offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      ++events;
      if (event->mask & IN_IGNORED) {
        if (watches_.erase(event->wd)) watchCount_.fetch_sub(1);
        continue;
      }
      const bool isFolder = (event->mask & IN_ISDIR) != 0;
      // A lost queue may have held anything: it counts as a change of folder names.
      if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_Q_OVERFLOW)) {
        changed = true;
        continue;
      }
      if (!isFolder && !watchFiles_) continue;
      changed = true;
      if (isFolder && (event->mask & (IN_CREATE | IN_MOVED_TO)) && event->len > 0) {
        auto folder = watches_.find(event->wd);
        if (folder != watches_.end()) AddTree(Join(folder->second, event->name));
      }
    }
  }
  // Counted once the notice below is given, so that a count reached means "judged".
  struct EventsCounted {
    std::atomic<int>& total;
    int events;
    ~EventsCounted() { total.fetch_add(events); }
  } counted{eventsHandled_, events};
  if (!changed) return true;
  // The switch is off for good only through a rebuild, which stops every monitor; while it is
  // off the tree is changing the disk itself (delete, rename, drop), and the monitor must
  // survive that, so the change is passed over rather than ending the watch.
  if (switch_.load() == 0) return true;
  // One notice at a time: a burst of changes costs the window one re-read.
  if (!pending_.exchange(true)) notice_(id_);
  return true;
}

void FolderMonitor::Run() {
  // Watching is background work: the walk that sets up the watches must not slow the window.
  setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), 15);
  AddTree(path_);
  walksDone_.fetch_add(1);
  pollfd fds[2] = {{inotify_, POLLIN, 0}, {wake_, POLLIN, 0}};
  while (!stop_.load()) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (stop_.load()) break;
    if (fds[1].revents & POLLIN) TakeRequests();
    if ((fds[0].revents & POLLIN) && !HandleEvents()) break;
  }
  running_.store(false);
}

}  // namespace tw
