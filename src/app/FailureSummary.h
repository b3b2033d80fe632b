#pragma once

#include <string>
#include <vector>

#include <QCoreApplication>
#include <QString>

namespace tw {

// The files a count run could not count, told once when the run ends: a box per file would
// stand between the user and the window for as many clicks as there are broken files.
class FailureSummary {
  Q_DECLARE_TR_FUNCTIONS(FailureSummary)

 public:
  // The longest list the box shows; the rows' marks tell the rest.
  static constexpr size_t kListedFiles = 15;

  void Clear() { failures_.clear(); }
  void Add(const std::string& path, const std::string& message);
  bool IsEmpty() const { return failures_.empty(); }
  size_t Count() const { return failures_.size(); }
  // "3 of 37 files could not be counted:", then one line per file.
  QString Text(int filesInRun) const;

 private:
  struct Failure {
    std::string path;
    std::string message;
  };
  std::vector<Failure> failures_;
};

}  // namespace tw
