#include "browser/FolderWalk.h"

#include <algorithm>

#include "browser/DirectoryEntries.h"

namespace tw {
namespace {

bool IsFolderLike(const DirectoryEntry& entry) {
  return entry.kind == DirectoryEntry::Kind::Folder ||
         entry.kind == DirectoryEntry::Kind::LinkToFolder;
}

}  // namespace

FolderWalk::FolderWalk(Request request, QObject* parent)
    : QObject(parent), request_(std::move(request)) {}

FolderWalk::~FolderWalk() {
  Cancel();
  if (thread_.joinable()) thread_.join();
}

void FolderWalk::Start() {
  if (thread_.joinable()) return;
  thread_ = std::thread([this] { Run(); });
}

void FolderWalk::Run() {
  lastFlush_ = std::chrono::steady_clock::now();
  const bool completed = request_.scope == Scope::Folder ? ListFolder() : ListSubtree();
  if (completed) Flush();
  emit ended(completed);
}

bool FolderWalk::ListFolder() {
  for (const DirectoryEntry& entry : DirectoryEntries::Read(request_.folder)) {
    if (cancelled_.load()) return false;
    if (IsFolderLike(entry) || !DirectoryEntries::MatchesMask(entry.name, request_.mask)) continue;
    Offer(DirectoryEntries::Join(request_.folder, entry.name));
  }
  return !cancelled_.load();
}

// Depth-first in enumeration order, with an explicit stack so that deep trees need neither deep
// recursion nor one open folder handle per level. Links to folders are not followed (a link loop
// would never end) and an unreadable folder is passed over.
bool FolderWalk::ListSubtree() {
  struct Level {
    std::string path;
    std::vector<DirectoryEntry> entries;
    size_t next = 0;
  };
  std::vector<Level> stack;
  stack.push_back({request_.folder, DirectoryEntries::Read(request_.folder), 0});
  while (!stack.empty()) {
    if (cancelled_.load()) return false;
    Level& level = stack.back();
    if (level.next == level.entries.size()) {
      stack.pop_back();
      continue;
    }
    const DirectoryEntry& entry = level.entries[level.next++];
    std::string path = DirectoryEntries::Join(level.path, entry.name);
    if (entry.kind == DirectoryEntry::Kind::Folder) {
      std::vector<DirectoryEntry> entries = DirectoryEntries::Read(path);
      stack.push_back({std::move(path), std::move(entries), 0});
    } else if (entry.kind != DirectoryEntry::Kind::LinkToFolder) {
      Offer(path);
    }
  }
  return true;
}

void FolderWalk::Offer(const std::string& path) {
  if (request_.flags.AcceptsPath(path)) batch_.push_back(FileListRow::OfFile(path));
  FlushWhenDue();
}

void FolderWalk::FlushWhenDue() {
  if (batch_.empty()) return;
  const auto now = std::chrono::steady_clock::now();
  const size_t rowsDue = std::max(kFirstBatchRows, delivered_);
  const auto interval = delivered_ == 0 ? kFirstBatchInterval : kBatchInterval;
  if (batch_.size() < rowsDue && now - lastFlush_ < interval) return;
  Flush();
}

void FolderWalk::Flush() {
  lastFlush_ = std::chrono::steady_clock::now();
  if (batch_.empty()) return;
  emit rowsFound(batch_);
  delivered_ += batch_.size();
  batch_.clear();
}

}  // namespace tw
