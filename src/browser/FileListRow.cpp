#include "browser/FileListRow.h"

#include <locale.h>
#include <sys/stat.h>

#include <ctime>

namespace tw {
namespace {

// The C locale as an object of its own, so the time format never depends on the process locale.
locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return locale;
}

}  // namespace

FileListRow FileListRow::OfFile(std::string_view path) {
  if (!path.empty() && path.back() == '/') path.remove_suffix(1);
  FileListRow row;
  const std::string_view fileName = FileNameOf(path);
  row.type = TypeOfName(fileName);
  row.name = NameOfName(fileName, row.type);
  row.fullPath = std::string(path);
  row.FillFromDisk();
  return row;
}

std::string_view FileListRow::FileNameOf(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string FileListRow::TypeOfName(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot + 1));
}

std::string FileListRow::NameOfName(std::string_view fileName, std::string_view type) {
  std::string_view name =
      fileName.substr(0, fileName.size() - std::min(type.size(), fileName.size()));
  if (!name.empty() && name.back() == '.') name.remove_suffix(1);
  return std::string(name);
}

void FileListRow::FillFromDisk() {
  struct stat info {};
  if (::stat(fullPath.c_str(), &info) != 0) return;
  size = std::to_string(static_cast<unsigned long long>(info.st_size));
  modified = FormatModified(static_cast<long long>(info.st_mtim.tv_sec));
}

std::string FileListRow::FormatModified(long long secondsSinceEpoch) {
  const time_t seconds = static_cast<time_t>(secondsSinceEpoch);
  struct tm local {};
  if (CLocale() == static_cast<locale_t>(0) || localtime_r(&seconds, &local) == nullptr) return {};
  char text[64];
  const size_t length = strftime_l(text, sizeof text, "%x %X", &local, CLocale());
  return std::string(text, length);
}

}  // namespace tw
