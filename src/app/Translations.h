#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace tw {

// The program's own translations (tallywright_<language>.qm) and Qt's for its standard buttons,
// chosen by the locale. Looked for beside the installed program, then in the build tree.
class Translations {
 public:
  // Installs the translators for `locale` into the application (they are its children); false
  // when the program has no translation for it (English, or a language not shipped).
  static bool Install(QCoreApplication& app, const QLocale& locale = QLocale());
  // Where the .qm files are looked for, in order.
  static QStringList SearchFolders();
};

}  // namespace tw
