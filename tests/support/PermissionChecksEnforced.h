#pragma once

#include <cstdint>

namespace tw::test {

// Makes file permissions bind the calling thread even when it runs as root (as CI does): the
// capabilities that let root read and search anything are taken out of the thread's effective
// set while the object lives, and put back after. Active() is false when that is impossible.
class PermissionChecksEnforced {
 public:
  PermissionChecksEnforced();
  ~PermissionChecksEnforced();
  PermissionChecksEnforced(const PermissionChecksEnforced&) = delete;
  PermissionChecksEnforced& operator=(const PermissionChecksEnforced&) = delete;

  bool Active() const { return active_; }

 private:
  bool active_ = false;
  bool dropped_ = false;
  uint32_t savedEffective_[2] = {0, 0};
};

}  // namespace tw::test
