#include "store/RecentJobs.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "store/AtomicFileWriter.h"

namespace tw {

std::string RecentJobs::PathBeside(const std::string& settingsPath) {
  return (std::filesystem::path(settingsPath).parent_path() / kRecentJobsFileName).string();
}

void RecentJobs::Load() {
  paths_.clear();
  std::ifstream in(path_, std::ios::binary);
  std::string line;
  while (std::getline(in, line) && paths_.size() < kRecentJobCount) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && std::find(paths_.begin(), paths_.end(), line) == paths_.end()) {
      paths_.push_back(line);
    }
  }
}

bool RecentJobs::Save() const {
  std::string text;
  for (const std::string& job : paths_) text += job + "\n";
  return WriteFileAtomically(path_, text);
}

void RecentJobs::Add(const std::string& job) {
  // A path with a line break could not be read back as one line.
  if (job.empty() || job.find_first_of("\r\n") != std::string::npos) return;
  Remove(job);
  paths_.insert(paths_.begin(), job);
  if (paths_.size() > kRecentJobCount) paths_.resize(kRecentJobCount);
}

void RecentJobs::Remove(const std::string& job) {
  std::erase(paths_, job);
}

}  // namespace tw
