#include "app/LocaleText.h"

#include <string_view>

#include <QCoreApplication>

#include "counting/CellTexts.h"

namespace tw {
namespace {

struct HeaderCaption {
  const char* kept;        // the caption the model keeps
  const char* translated;  // the same text, marked for translation
};

const HeaderCaption kHeaderCaptions[] = {
    {kRowCountHeaderPrefix,
     QT_TRANSLATE_NOOP("tw::LocaleText", "List files to count statistics: ")},
    {kClearedFileHeader, QT_TRANSLATE_NOOP("tw::LocaleText", "List files to count statistic: ")},
    {kWordsHeader, QT_TRANSLATE_NOOP("tw::LocaleText", "Words: ")},
    {kCharsWithSpacesHeader, QT_TRANSLATE_NOOP("tw::LocaleText", "Characters with spaces: ")},
    {kCharsHeader, QT_TRANSLATE_NOOP("tw::LocaleText", "Characters: ")},
    {kCurrencyHeader, QT_TRANSLATE_NOOP("tw::LocaleText", "Currency: ")},
    {kRateHeader, QT_TRANSLATE_NOOP("tw::LocaleText", "Rate: ")},
    {kAmountHeader, QT_TRANSLATE_NOOP("tw::LocaleText", "Amount: ")},
    {kLinesHeader, QT_TRANSLATE_NOOP("tw::LocaleText", "Lines: ")},
    {kPagesHeader, QT_TRANSLATE_NOOP("tw::LocaleText", "Pages: ")},
    {kWeightedWordsHeader, QT_TRANSLATE_NOOP("tw::LocaleText", "Weighted words: ")},
};

}  // namespace

QString LocaleText::Numbers(const QString& text, const QLocale& locale) {
  const QString separator = locale.decimalPoint();
  QString shown = text;
  for (qsizetype i = shown.size() - 2; i > 0; --i) {
    if (shown[i] == u'.' && shown[i - 1].isDigit() && shown[i + 1].isDigit()) {
      shown.replace(i, 1, separator);
    }
  }
  return shown;
}

QString LocaleText::Cell(int column, const std::string& text) {
  const QString kept = QString::fromStdString(text);
  return column == kFileColumn || column == kCurrencyColumn ? kept : Numbers(kept);
}

QString LocaleText::Header(const std::string& text) {
  for (const HeaderCaption& caption : kHeaderCaptions) {
    const std::string_view kept(caption.kept);
    if (text.compare(0, kept.size(), kept) != 0) continue;
    const QString rest = QString::fromStdString(text.substr(kept.size()));
    // A currency name after "Currency: " is no number; every other header ends in a figure.
    return QCoreApplication::translate("tw::LocaleText", caption.translated) +
           (caption.kept == kCurrencyHeader ? rest : Numbers(rest));
  }
  return QString::fromStdString(text);
}

}  // namespace tw
