#include "cli/FailureReason.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tw::cli {

std::optional<std::string> UnreadableReason(const std::string& path) {
  // Non-blocking, so that a FIFO without a writer is not waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::string(std::strerror(errno));
  ::close(fd);
  return std::nullopt;
}

std::string ReasonWithoutPath(const std::string& message, const std::string& path) {
  // Reader messages end with the path, or with the path and the system's reason in brackets.
  const size_t at = path.empty() ? std::string::npos : message.rfind(path);
  if (at == std::string::npos) return message;
  const std::string tail = message.substr(at + path.size());
  const bool bracketedTail = tail.empty() || (tail.rfind(" (", 0) == 0 && tail.back() == ')');
  if (!bracketedTail) return message;
  std::string reason = message.substr(0, at);
  while (!reason.empty() && (reason.back() == ' ' || reason.back() == ':')) reason.pop_back();
  return reason.empty() ? message : reason + tail;
}

std::string ErrorLine(const std::string& path, const std::string& reason) {
  return "tallywright-count: " + path + ": " + reason;
}

}  // namespace tw::cli
