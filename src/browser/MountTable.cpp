#include "browser/MountTable.h"

#include <sys/stat.h>
#include <sys/statfs.h>

#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

namespace tw {
namespace {

bool StartsWithFolder(const std::string& path, const std::string& folder) {
  return path == folder ||
         (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
          path[folder.size()] == '/');
}

std::string ReadSmallFile(const std::string& path) {
  std::ifstream in(path);
  std::string text;
  std::getline(in, text);
  return text;
}

// The sysfs "removable" flag of the block device behind /dev/<name>, or of its parent disk when
// the device is a partition.
bool SysfsRemovable(const std::string& device) {
  if (device.rfind("/dev/", 0) != 0) return false;
  const std::string name = device.substr(5);
  if (name.find('/') != std::string::npos) return false;
  char resolved[4096];
  const std::string link = "/sys/class/block/" + name;
  if (!realpath(link.c_str(), resolved)) return false;
  std::string folder = resolved;
  if (ReadSmallFile(folder + "/removable") == "1") return true;
  const size_t slash = folder.rfind('/');
  return slash != std::string::npos && ReadSmallFile(folder.substr(0, slash) + "/removable") == "1";
}

}  // namespace

std::string MountTable::Unescape(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string_view digits = field.substr(i + 1, 3);
      if (digits.size() == 3 && digits.find_first_not_of("01234567") == std::string_view::npos) {
        out.push_back(static_cast<char>(std::stoi(std::string(digits), nullptr, 8)));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

bool MountTable::IsPseudo(const std::string& fsType, const std::string& mountPoint) {
  static const std::set<std::string> kPseudo = {
      "proc",      "sysfs",       "cgroup",          "cgroup2",     "devpts",
      "devtmpfs",  "mqueue",      "debugfs",         "tracefs",     "securityfs",
      "pstore",    "bpf",         "configfs",        "fusectl",     "hugetlbfs",
      "autofs",    "binfmt_misc", "efivarfs",        "rpc_pipefs",  "nsfs",
      "selinuxfs", "nfsd",        "fuse.gvfsd-fuse", "fuse.portal", "ramfs",
      "rootfs",    "squashfs",    "overlay",         "shm",         "none"};
  if (mountPoint == "/") return false;
  if (kPseudo.count(fsType)) return true;
  // System areas hold only the machine's own plumbing, whatever is mounted there.
  for (const char* system : {"/proc", "/sys", "/dev", "/run", "/snap", "/var/lib/docker"}) {
    if (StartsWithFolder(mountPoint, system) && !StartsWithFolder(mountPoint, "/run/media"))
      return true;
  }
  return false;
}

DriveType MountTable::TypeOf(const std::string& fsType, const std::string& device,
                             const std::string& mountPoint) {
  if (fsType == "iso9660" || fsType == "udf") return DriveType::CdRom;
  static const std::set<std::string> kRemote = {"nfs",   "nfs4",  "cifs",       "smb3",
                                                "smbfs", "sshfs", "fuse.sshfs", "9p"};
  if (kRemote.count(fsType)) return DriveType::Remote;
  if (fsType == "tmpfs" || fsType == "ramfs") return DriveType::RamDisk;
  if (StartsWithFolder(mountPoint, "/media") || StartsWithFolder(mountPoint, "/run/media") ||
      SysfsRemovable(device))
    return DriveType::Removable;
  return DriveType::Fixed;
}

std::vector<MountEntry> MountTable::Parse(std::string_view mountsText) {
  std::vector<MountEntry> mounts;
  std::istringstream lines{std::string(mountsText)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, point, type;
    if (!(fields >> device >> point >> type)) continue;
    point = Unescape(point);
    device = Unescape(device);
    if (point.empty() || point[0] != '/' || IsPseudo(type, point)) continue;
    MountEntry entry{point, device, type, TypeOf(type, device, point)};
    bool replaced = false;
    // A later mount on the same point hides the earlier one; the place in the list stays.
    for (MountEntry& existing : mounts) {
      if (existing.path == point) {
        existing = entry;
        replaced = true;
      }
    }
    if (!replaced) mounts.push_back(entry);
  }
  for (size_t i = 0; i < mounts.size(); ++i) {
    if (mounts[i].path == "/" && i != 0) {
      MountEntry root = mounts[i];
      mounts.erase(mounts.begin() + static_cast<long>(i));
      mounts.insert(mounts.begin(), root);
      break;
    }
  }
  return mounts;
}

std::vector<MountEntry> MountTable::Read() {
  std::ifstream in("/proc/self/mounts");
  std::stringstream text;
  text << in.rdbuf();
  std::vector<MountEntry> mounts = Parse(text.str());
  // Bind mounts of single files (a container's /etc/hosts) are not folders to browse.
  std::erase_if(mounts, [](const MountEntry& mount) {
    struct stat info {};
    return ::stat(mount.path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode);
  });
  if (mounts.empty() || mounts.front().path != "/")
    mounts.insert(mounts.begin(), MountEntry{"/", "", "", DriveType::Fixed});
  return mounts;
}

std::optional<unsigned long long> MountTable::VolumeId(const std::string& mountPoint) {
  struct statfs info {};
  if (::statfs(mountPoint.c_str(), &info) != 0) return std::nullopt;
  unsigned long long id = 0;
  static_assert(sizeof(info.f_fsid) == 2 * sizeof(int));
  std::memcpy(&id, &info.f_fsid, sizeof id);
  return id;
}

}  // namespace tw
