#include "cli/CliCountHost.h"

namespace tw::cli {

CliCountHost::CliCountHost(CountList& list, std::ostream& errors)
    : ListCountHost(list, messages_), messages_(*this), errors_(errors) {}

void CliCountHost::CountingFile(const std::string& path, int row, int, int) {
  currentRow_ = row;
  currentPath_ = path;
}

std::string CliCountHost::ErrorOfRow(int row) const {
  const auto it = rowErrors_.find(row);
  return it == rowErrors_.end() ? std::string() : it->second;
}

void CliCountHost::Report(const std::string& text) {
  if (currentRow_ < 0) {
    errors_ << "tallywright-count: " << text << '\n';
    return;
  }
  errors_ << currentPath_ << ": " << text << '\n';
  std::string& error = rowErrors_[currentRow_];
  if (!error.empty()) error += "; ";
  error += text;
}

MessageAnswer CliCountHost::StderrMessages::Show(const std::string& text, MessageButtons buttons,
                                                 MessageIcon) {
  host_.Report(text);
  // Nobody can answer a question on the command line: the cautious answer is taken.
  switch (buttons) {
    case MessageButtons::Ok:
      return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
      return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
      return MessageAnswer::No;
  }
  return MessageAnswer::Ok;
}

}  // namespace tw::cli
