#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "browser/MountTable.h"

namespace tw {

// Remembers which medium each removable drive held when it was last read, so that a swapped disc
// or card is read afresh instead of showing the folders of the medium that was taken out.
class MediaCheck {
 public:
  // How the identity of the medium in a drive is read (tests swap media with it).
  using VolumeIdReader = std::function<std::optional<unsigned long long>(const std::string&)>;

  // A null reader puts back the mount table's own.
  void SetReader(VolumeIdReader reader);
  // True when the drive holds the medium it held before (or the first one seen); false when it
  // is empty or holds another, which is then forgotten so the next expansion reads it afresh.
  bool Passes(const MountEntry& mount);
  // Takes the medium now in the drive as the one its items were read from.
  void Remember(const MountEntry& mount);

 private:
  VolumeIdReader volumeIdOf_ = &MountTable::VolumeId;
  std::map<std::string, unsigned long long> volumeIds_;  // per mount path
};

}  // namespace tw
