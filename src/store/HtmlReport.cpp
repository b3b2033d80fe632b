#include "store/HtmlReport.h"

#include <vector>

#include "counting/CellTexts.h"
#include "counting/ContentSwitches.h"
#include "store/AtomicFileWriter.h"
#include "text/CNumbers.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

// The report breaks its lines with LF then CR.
constexpr const char* kBreak = "\n\r";

constexpr const char* kPlainOpening = "<td align=\"center\">";
constexpr const char* kHighlightedOpening =
    "<td align=\"center\" style=\"background-color:#AAAAFF; font-weight:bold;\">";
// The amount cell's opening has no blank before "style"; browsers read it all the same.
constexpr const char* kAmountOpening =
    "<td align=\"center\"style=\"background-color:#AAAAFF; font-weight:bold;\">";

void AppendHead(std::string& html, const ContentSwitches& included, CountProfile profile) {
  html += "<html>";
  html += kBreak;
  html += "<body>";
  html += kBreak;
  // Counts that take in more than the default say so, so that two reports are not compared
  // blindly.
  const std::string names = ContentSwitchesText(included);
  if (!names.empty()) {
    html += "<p>Also counted: ";
    for (char c : names) html += c == ',' ? std::string(", ") : std::string(1, c);
    html += "</p>";
    html += kBreak;
  }
  if (profile != CountProfile::Classic) {
    html += "<p>Counting profile: " + std::string(ProfileName(profile)) + "</p>";
    html += kBreak;
  }
  html += "<table width=\"1024\" border=\"1\" style=\"padding-top:10px; padding-bottom:10px\">";
  html += kBreak;
}

void AppendHeaderRow(std::string& html) {
  html +=
      "<tr align=\"center\" style=\"background-color:#BBFFBB; font-weight:bold;\">"
      "<td>File name</td>";
  for (const char* title : {"Words", "Characters with spaces", "Characters", "Currency", "Rate"}) {
    html += kBreak;
    html += std::string("<td>") + title + "</td>";
  }
  html += kBreak;
  html += "<td>Amount</td></tr>";
  html += kBreak;
}

const char* OpeningOf(int column, int highlighted) {
  if (column == kFileColumn) return "<tr><td>";
  if (column == kAmountColumn) return kAmountOpening;
  return column == highlighted ? kHighlightedOpening : kPlainOpening;
}

void AppendRow(std::string& html, const CountRowCells& cells, int highlighted) {
  for (int column = 0; column < kCountColumnCount; ++column) {
    html += OpeningOf(column, highlighted);
    html += EscapeHtmlText(cells[static_cast<size_t>(column)]);
    html += column == kAmountColumn ? "</td></tr>" : "</td>";
    html += kBreak;
  }
}

void AppendTotalsRow(std::string& html, const CountTotals& totals) {
  html +=
      "<tr align=\"center\" style=\"background-color:#EEEEEE; font-weight:bold;\">"
      "<td>Total</td>";
  for (int64_t count : {totals.words, totals.charsWithSpaces, totals.chars}) {
    html += kBreak;
    html += "<td>" + std::to_string(count) + "</td>";
  }
  html += kBreak;
  html += "<td></td><td></td>";
  html += kBreak;
  html += "<td>" + FormatFixed(totals.amount, 2) + "</td></tr>";
  html += kBreak;
}

void AppendTail(std::string& html) {
  html += "</table>";
  html += kBreak;
  html += "</body>";
  html += kBreak;
  html += "</html>";
}

bool WriteReportText(const std::string& path, const std::u16string& text,
                     MessageService& messages) {
  const std::string bytes = "\xFF\xFE" + Utf16LeBytes(text);
  if (WriteFileAtomically(path, bytes)) return true;
  messages.Show(kReportSaveFailedPrefix + path);
  return false;
}

}  // namespace

std::string EscapeHtmlText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::u16string BuildHtmlReport(const std::vector<CountRow>& rows, const std::string& pricingText,
                               const CountTotals& totals, const ContentSwitches& included,
                               CountProfile profile) {
  const int highlighted = HighlightedCountColumn(pricingText);
  std::string html;
  AppendHead(html, included, profile);
  AppendHeaderRow(html);
  for (const CountRow& row : rows) AppendRow(html, CellTextsOf(row), highlighted);
  AppendTotalsRow(html, totals);
  AppendTail(html);
  return Utf8ToUtf16(html);
}

bool WriteHtmlReport(const std::string& path, const std::vector<CountRow>& rows,
                     const std::string& pricingText, const CountTotals& totals,
                     MessageService& messages, const ContentSwitches& included,
                     CountProfile profile) {
  return WriteReportText(path, BuildHtmlReport(rows, pricingText, totals, included, profile),
                         messages);
}

}  // namespace tw
