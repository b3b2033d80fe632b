#pragma once

#include <string>
#include <string_view>

#include "counting/CountHost.h"
#include "counting/CountList.h"
#include "counting/CountTotals.h"
#include "counting/MessageService.h"

namespace tw {

inline constexpr const char* kDefaultReportName = "report.html";
inline constexpr const char* kReportSaveFailedPrefix = "Couldn't save report: ";

// The report text: head, header row, one table row per count-list row (cell texts as the list
// shows them, HTML-escaped), the totals row from the run totals and the tail, lines broken by
// LF CR. The count column the pricing mode names exactly is highlighted; the amount always is.
std::u16string BuildHtmlReport(const CountList& list, const std::string& pricingMode,
                               const CountTotals& totals);
// The same over the window's count list, read through the host.
std::u16string BuildHtmlReport(CountHost& host, const std::string& pricingMode,
                               const CountTotals& totals);

// Writes the report as FF FE and UTF-16LE, replacing the file atomically. When the file cannot
// be written, shows "Couldn't save report: " + path through `messages`, leaves any older file as
// it was and returns false.
bool WriteHtmlReport(const std::string& path, const CountList& list, const std::string& pricingMode,
                     const CountTotals& totals, MessageService& messages);
bool WriteHtmlReport(const std::string& path, CountHost& host, const std::string& pricingMode,
                     const CountTotals& totals);

// &, <, > and " as entities; a file name is data, not markup.
std::string EscapeHtmlText(std::string_view text);

}  // namespace tw
