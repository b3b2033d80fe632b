#pragma once

#include <string>
#include <string_view>

#include <vector>

#include "counting/CountOptions.h"
#include "counting/CountRow.h"
#include "counting/CountTotals.h"
#include "counting/MessageService.h"

namespace tw {

inline constexpr const char* kDefaultReportName = "report.html";
inline constexpr const char* kReportSaveFailedPrefix = "Couldn't save report: ";

// The report text: head, header row, one table row per count-list row (cell texts as the list
// shows them, HTML-escaped), the totals row from the run totals and the tail, lines broken by
// LF CR. The count column the pricing text names exactly is highlighted; the amount always is.
// When content switches were on, a line above the table names them; so does one the counting
// profile when it is not classic. Priced by lines, pages or weighted words, a line above the table
// gives that unit's total (with the length of a standard line or page), and with repetitions
// found, one gives the new, repeated and weighted words.
std::u16string BuildHtmlReport(const std::vector<CountRow>& rows, const std::string& pricingText,
                               const CountTotals& totals, const ContentSwitches& included = {},
                               CountProfile profile = CountProfile::Classic,
                               const UnitOptions& units = {});

// Writes the report as FF FE and UTF-16LE, replacing the file atomically. When the file cannot
// be written, shows "Couldn't save report: " + path through `messages`, leaves any older file as
// it was and returns false.
bool WriteHtmlReport(const std::string& path, const std::vector<CountRow>& rows,
                     const std::string& pricingText, const CountTotals& totals,
                     MessageService& messages, const ContentSwitches& included = {},
                     CountProfile profile = CountProfile::Classic, const UnitOptions& units = {});

// &, <, > and " as entities; a file name is data, not markup.
std::string EscapeHtmlText(std::string_view text);

}  // namespace tw
