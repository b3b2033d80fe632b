#include "app/ConfigLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "store/CurrencyList.h"
#include "store/SettingsModel.h"

namespace tw {
namespace {

// Lower case on purpose: the folder is named like the program's command, not its title.
constexpr const char* kFolderName = "tallywright";

std::string InFolder(const char* name) {
  return QDir(QString::fromStdString(ConfigLocation::Folder()))
      .filePath(QString::fromLatin1(name))
      .toStdString();
}

}  // namespace

std::string ConfigLocation::Folder() {
  if (QFileInfo(QDir::current().filePath(QString::fromLatin1(kSettingsFileName))).isFile()) {
    return QDir::currentPath().toStdString();
  }
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString folder = QDir(base).filePath(QString::fromLatin1(kFolderName));
  QDir().mkpath(folder);
  return folder.toStdString();
}

std::string ConfigLocation::SettingsFile() {
  return InFolder(kSettingsFileName);
}

std::string ConfigLocation::CurrencyFile() {
  return InFolder(kCurrencyFileName);
}

}  // namespace tw
