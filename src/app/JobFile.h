#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QByteArray>

#include "counting/CountOptions.h"
#include "counting/CountRow.h"

namespace tw {

inline constexpr const char* kJobFileSuffix = "tlwjob";
// The "format" of the job files written now; a file of a later format is refused.
inline constexpr int kJobFormatVersion = 1;

// A count list kept for later: its rows with their counts, and what they were counted and priced
// with.
struct Job {
  std::vector<CountRow> rows;
  CountOptions options;
  std::string pricing;  // "Words", "Chars" or "Chars & spaces"
  std::string rateText;
  std::string currency;
};

struct JobRead {
  std::optional<Job> job;
  std::string error;  // why the file is no job file we can open
};

// The job as a small JSON document:
//   {"format": 1, "application": "Tallywright", "pricing": "Words", "rate": "0.08",
//    "currency": "EUR", "options": {"headersAndFooters": false, ..., "include": "notes"},
//    "rows": [{"path": "...", "counts": {"words": 2, "characters": 12, "spaces": 1},
//              "failure": "", "currency": "EUR", "rate": "0.08", "amount": 0.16}, ...]}
QByteArray JobFileBytes(const Job& job);
JobRead ParseJobFile(const QByteArray& bytes);

// Atomic; "" when written, else why not.
std::string WriteJobFile(const std::string& path, const Job& job);
JobRead ReadJobFile(const std::string& path);

}  // namespace tw
