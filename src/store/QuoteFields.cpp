#include "store/QuoteFields.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "store/AtomicFileWriter.h"

namespace tw {
namespace {

using Field = std::pair<const char*, std::string QuoteFields::*>;
constexpr Field kFields[] = {
    {"Issuer", &QuoteFields::issuer},
    {"Client", &QuoteFields::client},
    {"QuoteNumber", &QuoteFields::quoteNumber},
    {"MinimumFee", &QuoteFields::minimumFee},
    {"DiscountPercent", &QuoteFields::discountPercent},
    {"TaxPercent", &QuoteFields::taxPercent},
    {"Notes", &QuoteFields::notes},
};

std::string Escaped(const std::string& value) {
  std::string escaped;
  for (char c : value) {
    if (c == '\\') {
      escaped += "\\\\";
    } else if (c == '\n') {
      escaped += "\\n";
    } else if (c != '\r') {
      escaped += c;
    }
  }
  return escaped;
}

std::string Unescaped(const std::string& value) {
  std::string plain;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      plain += value[i];
      continue;
    }
    plain += value[++i] == 'n' ? '\n' : value[i];
  }
  return plain;
}

}  // namespace

std::string QuoteFieldsPathBeside(const std::string& settingsPath) {
  return (std::filesystem::path(settingsPath).parent_path() / kQuoteFieldsFileName).string();
}

QuoteFields LoadQuoteFields(const std::string& path) {
  QuoteFields fields;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    for (const auto& [key, member] : kFields) {
      if (line.compare(0, equals, key) == 0) fields.*member = Unescaped(line.substr(equals + 1));
    }
  }
  return fields;
}

bool SaveQuoteFields(const std::string& path, const QuoteFields& fields) {
  std::string text;
  for (const auto& [key, member] : kFields)
    text += std::string(key) + "=" + Escaped(fields.*member) + "\n";
  return WriteFileAtomically(path, text);
}

std::string NextQuoteNumber(const std::string& last) {
  if (last.empty()) return "1";
  const size_t lastDigit = last.find_last_of("0123456789");
  if (lastDigit == std::string::npos) return last + "-2";
  size_t firstDigit = lastDigit;
  while (firstDigit > 0 && last[firstDigit - 1] >= '0' && last[firstDigit - 1] <= '9') --firstDigit;
  std::string digits = last.substr(firstDigit, lastDigit - firstDigit + 1);
  // Counting up by hand keeps leading zeros and never overflows: "099" -> "100", "99" -> "100".
  size_t at = digits.size();
  while (at > 0 && digits[at - 1] == '9') digits[--at] = '0';
  if (at == 0) {
    digits.insert(0, 1, '1');
  } else {
    ++digits[at - 1];
  }
  return last.substr(0, firstDigit) + digits + last.substr(lastDigit + 1);
}

}  // namespace tw
