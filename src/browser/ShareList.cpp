#include "browser/ShareList.h"

#include <dirent.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace tw {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

// The value of a "key = value" line when its key (case-insensitive, spaces ignored) matches.
bool ValueOf(std::string_view line, std::string_view key, std::string& value) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  std::string name = Trim(line.substr(0, equals));
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (name != key) return false;
  value = Trim(line.substr(equals + 1));
  return true;
}

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

void ShareList::ReloadFrom(const std::string& usershareDir, const std::string& smbConf,
                           const std::string& exports) {
  paths_.clear();
  if (std::unique_ptr<DIR, DirCloser> dir(opendir(usershareDir.c_str())); dir) {
    while (const dirent* entry = readdir(dir.get())) {
      if (entry->d_name[0] == '.') continue;
      ParseUsershare(ReadText(usershareDir + "/" + entry->d_name), *this);
    }
  }
  ParseSmbConf(ReadText(smbConf), *this);
  ParseExports(ReadText(exports), *this);
}

bool ShareList::IsShared(const std::string& path) const {
  if (paths_.count(path)) return true;
  return path.size() > 1 && path.back() == '/' && paths_.count(path.substr(0, path.size() - 1));
}

void ShareList::Add(const std::string& path) {
  if (path.empty() || path[0] != '/') return;
  std::string normal = path;
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  paths_.insert(normal);
}

void ShareList::ParseUsershare(std::string_view text, ShareList& into) {
  std::istringstream lines{std::string(text)};
  std::string line, value;
  while (std::getline(lines, line)) {
    if (ValueOf(line, "path", value)) into.Add(value);
  }
}

void ShareList::ParseSmbConf(std::string_view text, ShareList& into) {
  std::istringstream lines{std::string(text)};
  std::string line, value;
  while (std::getline(lines, line)) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '#' || trimmed[0] == ';') continue;
    // Macros such as %H name a different folder for each user; they mark nothing.
    if (ValueOf(trimmed, "path", value) && value.find('%') == std::string::npos) into.Add(value);
  }
}

void ShareList::ParseExports(std::string_view text, ShareList& into) {
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] != '/') continue;
    std::string path;
    std::istringstream fields(trimmed);
    fields >> path;
    into.Add(path);
  }
}

}  // namespace tw
