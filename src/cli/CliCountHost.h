#pragma once

#include <map>
#include <ostream>
#include <string>

#include "counting/ListCountHost.h"

namespace tw::cli {

// The command line's count host: an in-memory count list whose message boxes go to stderr,
// each attached to the file being counted when it was raised.
class CliCountHost : public ListCountHost {
 public:
  CliCountHost(CountList& list, std::ostream& errors);

  void CountingFile(const std::string& path, int row, int number, int total) override;
  void CountingFinished() override { currentRow_ = -1; }

  // The messages raised while counting the file of a row, joined by "; ".
  std::string ErrorOfRow(int row) const;

 private:
  class StderrMessages : public MessageService {
   public:
    explicit StderrMessages(CliCountHost& host) : host_(host) {}
    MessageAnswer Show(const std::string& text, MessageButtons buttons, MessageIcon icon) override;

   private:
    CliCountHost& host_;
  };

  void Report(const std::string& text);

  StderrMessages messages_;
  std::ostream& errors_;
  int currentRow_ = -1;
  std::string currentPath_;
  std::map<int, std::string> rowErrors_;
};

}  // namespace tw::cli
