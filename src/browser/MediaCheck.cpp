#include "browser/MediaCheck.h"

namespace tw {

void MediaCheck::SetReader(VolumeIdReader reader) {
  volumeIdOf_ = reader ? std::move(reader) : VolumeIdReader(&MountTable::VolumeId);
}

bool MediaCheck::Passes(const MountEntry& mount) {
  const std::optional<unsigned long long> id = volumeIdOf_(mount.path);
  auto remembered = volumeIds_.find(mount.path);
  if (!id) {
    volumeIds_.erase(mount.path);
    return false;
  }
  if (remembered == volumeIds_.end() || remembered->second == *id) {
    volumeIds_[mount.path] = *id;
    return true;
  }
  volumeIds_.erase(mount.path);  // another medium: read afresh on the next expansion
  return false;
}

void MediaCheck::Remember(const MountEntry& mount) {
  // An empty drive keeps what was remembered: the expansion's own check decides then.
  if (auto id = volumeIdOf_(mount.path)) volumeIds_[mount.path] = *id;
}

}  // namespace tw
