#pragma once

#include <set>
#include <string>
#include <string_view>

namespace tw {

// The folders this machine shares: Samba usershares, Samba's configured shares and NFS exports,
// as far as they are readable. Nothing is shared when none of them can be read.
class ShareList {
 public:
  static constexpr const char* kUsershareDir = "/var/lib/samba/usershares";
  static constexpr const char* kSmbConf = "/etc/samba/smb.conf";
  static constexpr const char* kExports = "/etc/exports";

  void Reload() { ReloadFrom(kUsershareDir, kSmbConf, kExports); }
  // Reads from other places (tests).
  void ReloadFrom(const std::string& usershareDir, const std::string& smbConf,
                  const std::string& exports);
  bool IsShared(const std::string& path) const;
  bool Empty() const { return paths_.empty(); }
  void Add(const std::string& path);

  static void ParseUsershare(std::string_view text, ShareList& into);
  static void ParseSmbConf(std::string_view text, ShareList& into);
  static void ParseExports(std::string_view text, ShareList& into);

 private:
  std::set<std::string> paths_;
};

}  // namespace tw
