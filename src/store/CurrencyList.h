#pragma once

#include <string>
#include <vector>

namespace tw {

inline constexpr const char* kCurrencyFileName = "currency.dat";
inline constexpr const char* kCurrenciesKey = "currencies";
inline constexpr const char* kDefaultCurrencies = "USD,EUR,RUR";
inline constexpr const char* kDuplicateCurrencyMessage = "You already have such currency!";
inline constexpr const char* kCurrencyCommaMessage = "A currency name cannot contain a comma!";
// Shown with an OK button and no icon.
inline constexpr const char* kNothingToDeleteMessage = "Nothing to delete!";

// The order of the currency combo and the Currency dialog's list: ASCII letters compared without
// case, then byte order of the UTF-8 text as the tie-break (so "usd" stands right after "USD").
bool CurrencySortLess(const std::string& a, const std::string& b);
// Sorts names by CurrencySortLess, keeping duplicates.
void SortCurrencyNames(std::vector<std::string>& names);
// Where a name goes into an already sorted list (after its equals).
size_t CurrencyInsertIndex(const std::vector<std::string>& sortedNames, const std::string& name);

// Splits a stored list at ",", trimming spaces from each piece; pieces between two commas are
// kept even when empty; the piece after the last comma only when it is not empty.
std::vector<std::string> ParseCurrencyList(const std::string& value);
// Each name followed by ",", then every trailing "," removed.
std::string JoinCurrencyList(const std::vector<std::string>& names);

// The currency combo's entries at start-up, sorted. Reads the file; when it is missing,
// unreadable or holds an empty list, gives "USD", "EUR", "RUR" and writes the default list back
// (a file that already holds an empty "currencies" line is written back unchanged; a file that
// exists but cannot be read is not replaced).
std::vector<std::string> FillCurrencyComboNames(const std::string& currencyFilePath);

// The Currency dialog's list on opening, sorted; missing file or empty list: empty, nothing
// written.
std::vector<std::string> LoadCurrencyDialogNames(const std::string& currencyFilePath);
// Writes the dialog's list (in list order) back on Close or cancel. False when not written.
bool SaveCurrencyDialogNames(const std::string& currencyFilePath,
                             const std::vector<std::string>& listOrder);

// What the Add command does with the text the "New currency" dialog returned.
enum class CurrencyAddCheck {
  Add,        // insert into the list and the main window's combo
  Empty,      // nothing typed (or the dialog was cancelled): nothing happens
  Duplicate,  // show kDuplicateCurrencyMessage, add nothing
  HasComma,   // show kCurrencyCommaMessage, add nothing (it would come back as two names)
};
// Compares exactly and case-sensitively with every listed name.
CurrencyAddCheck CheckNewCurrency(const std::string& name, const std::vector<std::string>& listed);
// The message of a refused name; empty for Add and Empty.
std::string CurrencyAddMessage(CurrencyAddCheck check);

}  // namespace tw
