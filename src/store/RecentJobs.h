#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tw {

inline constexpr const char* kRecentJobsFileName = "recent-jobs.txt";
inline constexpr size_t kRecentJobCount = 8;

// The job files opened or saved last, newest first, kept in a small file beside settings.ini:
// one UTF-8 path a line. Written atomically.
class RecentJobs {
 public:
  explicit RecentJobs(std::string path) : path_(std::move(path)) {}

  static std::string PathBeside(const std::string& settingsPath);

  // A missing or unreadable file leaves the list empty.
  void Load();
  // False when the file could not be written (the old one stays).
  bool Save() const;

  // Puts `job` first, once, and forgets the oldest beyond kRecentJobCount.
  void Add(const std::string& job);
  void Remove(const std::string& job);
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  std::string path_;
  std::vector<std::string> paths_;
};

}  // namespace tw
