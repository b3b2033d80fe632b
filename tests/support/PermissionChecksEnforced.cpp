#include "support/PermissionChecksEnforced.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tw::test {
namespace {

constexpr uint32_t kBypassBits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool GetCapabilities(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return ::syscall(SYS_capget, &header, data) == 0;
}

bool SetCapabilities(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return ::syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

PermissionChecksEnforced::PermissionChecksEnforced() {
  __user_cap_data_struct data[2]{};
  if (!GetCapabilities(data)) return;
  if ((data[0].effective & kBypassBits) == 0) {
    active_ = true;  // nothing bypasses the permissions already
    return;
  }
  savedEffective_[0] = data[0].effective;
  savedEffective_[1] = data[1].effective;
  data[0].effective &= ~kBypassBits;
  dropped_ = active_ = SetCapabilities(data);
}

PermissionChecksEnforced::~PermissionChecksEnforced() {
  if (!dropped_) return;
  __user_cap_data_struct data[2]{};
  if (!GetCapabilities(data)) return;
  data[0].effective = savedEffective_[0];
  data[1].effective = savedEffective_[1];
  SetCapabilities(data);
}

}  // namespace tw::test
