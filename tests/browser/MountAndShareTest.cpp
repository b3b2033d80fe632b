#include <gtest/gtest.h>

#include "BrowserTestTree.h"
#include "browser/MountTable.h"
#include "browser/ShareList.h"

namespace tw {
namespace {

TEST(MountTable, RootFirstThenMountOrderWithoutPseudoFileSystems) {
  const char* mounts =
      "proc /proc proc rw 0 0\n"
      "/dev/sda2 /home ext4 rw 0 0\n"
      "overlay / overlay rw 0 0\n"
      "sysfs /sys sysfs rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "tmpfs /run/user/1000 tmpfs rw 0 0\n"
      "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
      "devpts /dev/pts devpts rw 0 0\n"
      "server:/export /mnt/nfs nfs4 rw 0 0\n"
      "/dev/sr0 /media/cd iso9660 ro 0 0\n"
      "/dev/sdb1 /media/usb\\040stick vfat rw 0 0\n"
      "tmpfs /tmp tmpfs rw 0 0\n"
      "/dev/sda3 /home ext4 rw 0 0\n";
  const std::vector<MountEntry> parsed = MountTable::Parse(mounts);
  std::vector<std::string> paths;
  for (const MountEntry& mount : parsed) paths.push_back(mount.path);
  EXPECT_EQ(paths, (std::vector<std::string>{"/", "/home", "/mnt/nfs", "/media/cd",
                                             "/media/usb stick", "/tmp"}));
  EXPECT_EQ(parsed[1].device, "/dev/sda3");  // the later mount on the same point is the one seen
  const DriveType types[] = {DriveType::Fixed, DriveType::Fixed,     DriveType::Remote,
                             DriveType::CdRom, DriveType::Removable, DriveType::RamDisk};
  for (size_t i = 0; i < parsed.size(); ++i) EXPECT_EQ(parsed[i].type, types[i]) << paths[i];
  EXPECT_TRUE(parsed[3].IsRemovableOrCdRom());
  EXPECT_FALSE(parsed[1].IsRemovableOrCdRom());
}

TEST(MountTable, TheSystemTableStartsAtTheRoot) {
  const std::vector<MountEntry> mounts = MountTable::Read();
  ASSERT_FALSE(mounts.empty());
  EXPECT_EQ(mounts.front().path, "/");
  EXPECT_TRUE(MountTable::VolumeId("/").has_value());
  EXPECT_FALSE(MountTable::VolumeId("/nonexistent-folder-xyz").has_value());
}

TEST(ShareList, ReadsUsersharesSmbConfAndExports) {
  test::BrowserTestTree disk;
  disk.File("usershares/music", "#VERSION 2\npath=/srv/music\ncomment=\nusershare_acl=S-1-1-0:R\n");
  disk.File("usershares/.hidden", "path=/srv/hidden\n");
  const std::string smb =
      disk.File("smb.conf",
                "[global]\n  workgroup = W\n[docs]\n   Path = /srv/docs/\n; path = /srv/commented\n"
                "[homes]\n path = /home/%S\n");
  const std::string exports =
      disk.File("exports", "# comment\n/srv/nfs  host(rw)\n  /srv/other *(ro)\n\n");
  ShareList shares;
  shares.ReloadFrom(disk.PathOf("usershares"), smb, exports);
  for (const char* path : {"/srv/music", "/srv/docs", "/srv/nfs", "/srv/other"})
    EXPECT_TRUE(shares.IsShared(path)) << path;
  for (const char* path : {"/srv/hidden", "/srv/commented", "/srv", "/SRV/MUSIC", "/home/%S"})
    EXPECT_FALSE(shares.IsShared(path)) << path;
  shares.ReloadFrom("/nonexistent-xyz", "/nonexistent-xyz", "/nonexistent-xyz");
  EXPECT_TRUE(shares.Empty());  // nothing readable: nothing is shared
}

}  // namespace
}  // namespace tw
