#pragma once

#include <string>

#include <QLocale>
#include <QString>

namespace tw {

// The count list's texts as the user's language shows them. The model keeps the C-locale texts
// the report, the settings and the command line use; only what the window draws is changed.
class LocaleText {
 public:
  // Every dot between two digits becomes the locale's decimal separator ("0.08" is "0,08" in
  // German); other dots (file names, "etc.") stay.
  static QString Numbers(const QString& text, const QLocale& locale = QLocale());
  // A cell of the count list: numbers in the locale's form, file names and currencies as kept.
  static QString Cell(int column, const std::string& text);
  // A header: its caption translated, its total in the locale's form.
  static QString Header(const std::string& text);
};

}  // namespace tw
