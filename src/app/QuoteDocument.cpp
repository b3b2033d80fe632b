#include "app/QuoteDocument.h"

#include <filesystem>

#include <QBuffer>
#include <QCoreApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include "counting/Pricing.h"
#include "store/AtomicFileWriter.h"
#include "text/CNumbers.h"

namespace tw {
namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("tw::QuoteDocument", text);
}

QString UnitsText(int64_t count, PricingMode mode) {
  const char* unit = mode == PricingMode::Words ? QT_TRANSLATE_NOOP("tw::QuoteDocument", "words")
                     : mode == PricingMode::CharsAndSpaces
                         ? QT_TRANSLATE_NOOP("tw::QuoteDocument", "characters with spaces")
                         : QT_TRANSLATE_NOOP("tw::QuoteDocument", "characters");
  return QString::number(count) + QLatin1Char(' ') + Tr(unit);
}

QString Money(int64_t cents) {
  return QString::fromStdString(FormatCents(cents));
}

QString Escaped(const std::string& text) {
  return QString::fromStdString(text).toHtmlEscaped().replace(QLatin1Char('\n'),
                                                              QStringLiteral("<br>"));
}

QString Cell(const QString& text, bool right = false) {
  return (right ? QStringLiteral("<td align=\"right\">") : QStringLiteral("<td>")) + text +
         QStringLiteral("</td>");
}

QString LinesTable(const QuoteSheet& sheet) {
  QString html =
      QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><tr>");
  for (const QString& title : {Tr("File"), Tr("Units"), Tr("Rate"), Tr("Amount")}) {
    html += QStringLiteral("<th>") + title + QStringLiteral("</th>");
  }
  html += QStringLiteral("</tr>");
  for (const QuoteLine& line : sheet.lines) {
    html += QStringLiteral("<tr>") + Cell(line.name.toHtmlEscaped()) + Cell(line.units, true) +
            Cell(line.rate.toHtmlEscaped(), true) + Cell(Money(line.amountCents), true) +
            QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

QString FigureRow(const QString& label, const QString& value, bool bold = false) {
  const QString open = bold ? QStringLiteral("<b>") : QString();
  const QString close = bold ? QStringLiteral("</b>") : QString();
  return QStringLiteral("<tr>") + Cell(open + label + close) + Cell(open + value + close, true) +
         QStringLiteral("</tr>");
}

QString FiguresTable(const QuoteSheet& sheet, const QuoteTerms& terms,
                     const QuoteFigures& figures) {
  const QString currency = sheet.currency.toHtmlEscaped();
  QString html = QStringLiteral("<table align=\"right\" cellpadding=\"3\">");
  html += FigureRow(Tr("Subtotal"), Money(figures.subtotalCents));
  if (figures.minimumApplied) html += FigureRow(Tr("Minimum fee"), Money(figures.chargedCents));
  if (figures.discountCents != 0) {
    html += FigureRow(
        Tr("Discount %1 %").arg(QString::fromStdString(FormatPercent(terms.discountMilliPercent))),
        QStringLiteral("-") + Money(figures.discountCents));
  }
  if (figures.taxCents != 0 || terms.taxMilliPercent != 0) {
    html += FigureRow(Tr("Net"), Money(figures.netCents));
    html +=
        FigureRow(Tr("Tax %1 %").arg(QString::fromStdString(FormatPercent(terms.taxMilliPercent))),
                  Money(figures.taxCents));
  }
  html += FigureRow(Tr("Total"), currency + QLatin1Char(' ') + Money(figures.totalCents), true);
  return html + QStringLiteral("</table>");
}

}  // namespace

std::vector<QuoteLine> QuoteDocument::LinesOf(const std::vector<CountRow>& rows,
                                              const std::string& pricingText) {
  const PricingMode mode = PricingModeOf(pricingText);
  std::vector<QuoteLine> lines;
  for (const CountRow& row : rows) {
    if (!row.counts || !row.amount || !row.failure.empty()) continue;
    const std::optional<int64_t> cents = CentsOfAmountText(FormatFixed(*row.amount, 2));
    QuoteLine& line = lines.emplace_back();
    line.name = QString::fromStdString(std::filesystem::path(row.path).filename().string());
    line.units = UnitsText(PricedCount(*row.counts, mode), mode);
    line.rate = QString::fromStdString(row.rateText);
    line.amountCents = cents.value_or(0);
  }
  return lines;
}

std::optional<QuoteTerms> QuoteDocument::TermsOf(const QuoteFields& fields, QString* error) {
  const std::optional<int64_t> minimum = ParseScaledDecimal(fields.minimumFee, 2);
  const std::optional<int64_t> discount = ParseScaledDecimal(fields.discountPercent, 4);
  const std::optional<int64_t> tax = ParseScaledDecimal(fields.taxPercent, 4);
  const auto fail = [error](const char* field) {
    if (error != nullptr) *error = Tr(field);
    return std::nullopt;
  };
  if (!minimum) return fail(QT_TRANSLATE_NOOP("tw::QuoteDocument", "Minimum fee"));
  if (!discount || *discount > 100 * kPercentScale) {
    return fail(QT_TRANSLATE_NOOP("tw::QuoteDocument", "Discount %"));
  }
  if (!tax) return fail(QT_TRANSLATE_NOOP("tw::QuoteDocument", "Tax %"));
  return QuoteTerms{*minimum, *discount, *tax};
}

QuoteFigures QuoteDocument::FiguresOf(const QuoteSheet& sheet, const QuoteTerms& terms) {
  std::vector<int64_t> cents;
  for (const QuoteLine& line : sheet.lines) cents.push_back(line.amountCents);
  return ComputeQuote(cents, terms);
}

QString QuoteDocument::Html(const QuoteSheet& sheet, const QuoteTerms& terms) {
  const QuoteFields& fields = sheet.fields;
  QString html = QStringLiteral("<html><body>");
  html += QStringLiteral("<table width=\"100%\"><tr><td>") + Escaped(fields.issuer) +
          QStringLiteral("</td><td align=\"right\"><h2>") + Tr("Quote") + QStringLiteral("</h2>") +
          Tr("Quote number: %1").arg(Escaped(fields.quoteNumber)) + QStringLiteral("<br>") +
          Tr("Date: %1").arg(sheet.date.toString(Qt::ISODate)) +
          QStringLiteral("</td></tr></table>");
  html += QStringLiteral("<p><b>") + Tr("For:") + QStringLiteral("</b><br>") +
          Escaped(fields.client) + QStringLiteral("</p>");
  html += QStringLiteral("<p>") + Tr("Amounts in %1.").arg(sheet.currency.toHtmlEscaped()) +
          QStringLiteral("</p>");
  html += LinesTable(sheet);
  html += FiguresTable(sheet, terms, FiguresOf(sheet, terms));
  html += QStringLiteral("<br clear=\"all\"><p>") + Escaped(fields.notes) + QStringLiteral("</p>");
  return html + QStringLiteral("</body></html>");
}

std::string QuoteDocument::WritePdf(const std::string& path, const QString& html,
                                    const QString& title) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tallywright"));
    QTextDocument document;
    document.setHtml(html);
    document.print(&writer);
  }
  if (buffer.data().isEmpty()) return Tr("the PDF could not be made").toStdString();
  std::string error;
  const QByteArray& bytes = buffer.data();
  return WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()), &error)
             ? ""
             : error;
}

}  // namespace tw
