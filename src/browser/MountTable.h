#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Drive types with their hide bits.
enum class DriveType : unsigned {
  Removable = 1,
  Fixed = 2,
  Remote = 4,
  CdRom = 16,
  RamDisk = 32,
};

// One mounted file system shown under the computer node.
struct MountEntry {
  std::string path;    // the mount point ("/", "/home", "/media/usb")
  std::string device;  // what is mounted ("/dev/sda1", "server:/export")
  std::string fsType;  // "ext4", "nfs4", "iso9660", ...
  DriveType type = DriveType::Fixed;

  bool IsRemovableOrCdRom() const {
    return type == DriveType::Removable || type == DriveType::CdRom;
  }
};

// The mounted file systems worth showing: the root first, the others in mount order, pseudo and
// system file systems left out, each mount point once.
class MountTable {
 public:
  // Reads /proc/self/mounts.
  static std::vector<MountEntry> Read();
  // Parses the text of a mounts file (testable without the system's own table).
  static std::vector<MountEntry> Parse(std::string_view mountsText);
  static bool IsPseudo(const std::string& fsType, const std::string& mountPoint);
  static DriveType TypeOf(const std::string& fsType, const std::string& device,
                          const std::string& mountPoint);
  // An identity of the medium mounted at the path (the file system id), none when unreadable.
  static std::optional<unsigned long long> VolumeId(const std::string& mountPoint);
  // "\040"-style escapes of the mounts file decoded.
  static std::string Unescape(std::string_view field);
};

}  // namespace tw
