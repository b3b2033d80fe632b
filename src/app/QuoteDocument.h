#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QDate>
#include <QString>

#include "counting/CountRow.h"
#include "store/QuoteArithmetic.h"
#include "store/QuoteFields.h"

namespace tw {

// One priced file of a quote.
struct QuoteLine {
  QString name;   // the file's name without its folder
  QString units;  // "1234 words"
  QString rate;
  int64_t amountCents = 0;
};

// What a quote is made of: the priced files of the count list, and what the user filled in.
struct QuoteSheet {
  std::vector<QuoteLine> lines;
  QString currency;
  QuoteFields fields;
  QDate date;
};

// The quote as a document: its lines from the count list, its figures, its HTML for the preview
// and the PDF written from that HTML.
class QuoteDocument {
 public:
  // The counted rows, priced as the list shows them (two decimals); failed and uncounted rows
  // are left out.
  static std::vector<QuoteLine> LinesOf(const std::vector<CountRow>& rows,
                                        const std::string& pricingText);
  // The terms the fields give, or nothing with the field named in `error` when one is no number.
  static std::optional<QuoteTerms> TermsOf(const QuoteFields& fields, QString* error = nullptr);
  static QuoteFigures FiguresOf(const QuoteSheet& sheet, const QuoteTerms& terms);
  static QString Html(const QuoteSheet& sheet, const QuoteTerms& terms);
  // An A4 PDF of the HTML, replacing `path` atomically; "" when written, else why not.
  static std::string WritePdf(const std::string& path, const QString& html, const QString& title);
};

}  // namespace tw
