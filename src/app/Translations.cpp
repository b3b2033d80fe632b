#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace tw {

QStringList Translations::SearchFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  QStringList folders{QDir(program).filePath(QStringLiteral("../share/tallywright/translations")),
                      QDir(program).filePath(QStringLiteral("translations"))};
#ifdef TW_BUILD_TRANSLATIONS_DIR
  folders << QStringLiteral(TW_BUILD_TRANSLATIONS_DIR);
#endif
  return folders;
}

bool Translations::Install(QCoreApplication& app, const QLocale& locale) {
  auto* own = new QTranslator(&app);
  bool loaded = false;
  for (const QString& folder : SearchFolders()) {
    if (own->load(locale, QStringLiteral("tallywright"), QStringLiteral("_"), folder)) {
      loaded = true;
      break;
    }
  }
  if (!loaded) {
    delete own;
    return false;
  }
  QCoreApplication::installTranslator(own);
  // Qt's own texts (the buttons of message boxes) follow when its translations are installed.
  auto* qt = new QTranslator(&app);
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
  }
  return true;
}

}  // namespace tw
