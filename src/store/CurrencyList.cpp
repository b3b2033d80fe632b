#include "store/CurrencyList.h"

#include <algorithm>
#include <filesystem>

#include "store/KeyValueFile.h"

namespace tw {
namespace {

char FoldAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool FoldedLess(char a, char b) {
  return static_cast<unsigned char>(FoldAscii(a)) < static_cast<unsigned char>(FoldAscii(b));
}

std::string TrimSpaces(const std::string& piece) {
  const size_t first = piece.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = piece.find_last_not_of(' ');
  return piece.substr(first, last - first + 1);
}

// The stored list, or "" when the file is missing, unreadable or has no such line.
std::string StoredList(const KeyValueFile& file) {
  return file.GetValue(std::string_view(kCurrenciesKey));
}

// Only a path that plainly does not exist counts as missing; an error while asking keeps the file.
bool IsMissing(const std::string& path) {
  std::error_code error;
  return std::filesystem::symlink_status(path, error).type() ==
         std::filesystem::file_type::not_found;
}

std::vector<std::string> SortedCopy(std::vector<std::string> names) {
  SortCurrencyNames(names);
  return names;
}

}  // namespace

bool CurrencySortLess(const std::string& a, const std::string& b) {
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), FoldedLess)) {
    return true;
  }
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), FoldedLess)) {
    return false;
  }
  return a < b;
}

void SortCurrencyNames(std::vector<std::string>& names) {
  std::stable_sort(names.begin(), names.end(), CurrencySortLess);
}

size_t CurrencyInsertIndex(const std::vector<std::string>& sortedNames, const std::string& name) {
  return static_cast<size_t>(
      std::upper_bound(sortedNames.begin(), sortedNames.end(), name, CurrencySortLess) -
      sortedNames.begin());
}

std::vector<std::string> ParseCurrencyList(const std::string& value) {
  std::vector<std::string> names;
  size_t start = 0;
  for (size_t comma = value.find(','); comma != std::string::npos; comma = value.find(',', start)) {
    names.push_back(TrimSpaces(value.substr(start, comma - start)));
    start = comma + 1;
  }
  // A trailing comma adds nothing.
  std::string last = TrimSpaces(value.substr(start));
  if (!last.empty()) names.push_back(std::move(last));
  return names;
}

std::string JoinCurrencyList(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += name + ",";
  while (!joined.empty() && joined.back() == ',') joined.pop_back();
  return joined;
}

std::vector<std::string> FillCurrencyComboNames(const std::string& currencyFilePath) {
  KeyValueFile file;
  const bool loaded = file.Load(currencyFilePath) == 0;
  if (loaded) {
    const std::string stored = StoredList(file);
    if (!stored.empty()) return SortedCopy(ParseCurrencyList(stored));
  }
  // The defaults are written back into the same object, so a file that already holds an empty
  // list keeps it (its line exists) while the combo shows the defaults. A file that exists but
  // could not be read is left alone: replacing it would lose the list it may hold.
  if (loaded || IsMissing(currencyFilePath)) {
    file.SetValue(kCurrenciesKey, kDefaultCurrencies);
    file.Save(currencyFilePath);
  }
  return SortedCopy(ParseCurrencyList(kDefaultCurrencies));
}

std::vector<std::string> LoadCurrencyDialogNames(const std::string& currencyFilePath) {
  KeyValueFile file;
  if (file.Load(currencyFilePath) != 0) return {};
  const std::string stored = StoredList(file);
  if (stored.empty()) return {};
  return SortedCopy(ParseCurrencyList(stored));
}

bool SaveCurrencyDialogNames(const std::string& currencyFilePath,
                             const std::vector<std::string>& listOrder) {
  KeyValueFile file;
  file.SetValue(kCurrenciesKey, JoinCurrencyList(listOrder));
  return file.Save(currencyFilePath) == 0;
}

CurrencyAddCheck CheckNewCurrency(const std::string& name, const std::vector<std::string>& listed) {
  if (name.empty()) return CurrencyAddCheck::Empty;
  if (name.find(',') != std::string::npos) return CurrencyAddCheck::HasComma;
  if (std::find(listed.begin(), listed.end(), name) != listed.end()) {
    return CurrencyAddCheck::Duplicate;
  }
  return CurrencyAddCheck::Add;
}

std::string CurrencyAddMessage(CurrencyAddCheck check) {
  switch (check) {
    case CurrencyAddCheck::Duplicate:
      return kDuplicateCurrencyMessage;
    case CurrencyAddCheck::HasComma:
      return kCurrencyCommaMessage;
    case CurrencyAddCheck::Add:
    case CurrencyAddCheck::Empty:
      break;
  }
  return {};
}

}  // namespace tw
