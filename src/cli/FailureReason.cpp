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
  if (path.empty() || message.size() <= path.size() ||
      message.compare(message.size() - path.size(), path.size(), path) != 0) {
    return message;
  }
  std::string reason = message.substr(0, message.size() - path.size());
  while (!reason.empty() && (reason.back() == ' ' || reason.back() == ':')) reason.pop_back();
  return reason.empty() ? message : reason;
}

std::string ErrorLine(const std::string& path, const std::string& reason) {
  return "tallywright-count: " + path + ": " + reason;
}

}  // namespace tw::cli
