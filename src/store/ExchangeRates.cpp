#include "store/ExchangeRates.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "store/AtomicFileWriter.h"
#include "text/CNumbers.h"

namespace tw {
namespace {

bool Keepable(const std::string& text) {
  return !text.empty() && text.find_first_of("\t\r\n") == std::string::npos;
}

// Six decimals without the zeros after the last digit that matters: 1/0.8 reads 1.25.
std::string ShortDecimal(double value) {
  std::string text = FormatFixed(value, 6);
  while (text.ends_with('0')) text.pop_back();
  if (text.ends_with('.')) text.pop_back();
  return text;
}

}  // namespace

std::string ExchangeRates::PathBeside(const std::string& settingsPath) {
  return (std::filesystem::path(settingsPath).parent_path() / kExchangeRatesFileName).string();
}

void ExchangeRates::Load() {
  rates_.clear();
  std::ifstream file(path_, std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    if (line.ends_with('\r')) line.pop_back();
    std::istringstream fields(line);
    std::string from, to, rate, rest;
    if (!std::getline(fields, from, '\t') || !std::getline(fields, to, '\t') ||
        !std::getline(fields, rate, '\t') || std::getline(fields, rest, '\t')) {
      continue;
    }
    SetRate(from, to, rate);
  }
}

bool ExchangeRates::Save() const {
  std::string text;
  for (const auto& [pair, rate] : rates_) {
    text += pair.first + '\t' + pair.second + '\t' + rate + '\n';
  }
  return WriteFileAtomically(path_, text);
}

std::optional<std::string> ExchangeRates::Rate(const std::string& from,
                                               const std::string& to) const {
  if (const auto found = rates_.find({from, to}); found != rates_.end()) return found->second;
  if (const auto back = rates_.find({to, from}); back != rates_.end()) {
    const double rate = ParseCDouble(back->second);
    if (rate > 0.0) return ShortDecimal(1.0 / rate);
  }
  return std::nullopt;
}

void ExchangeRates::SetRate(const std::string& from, const std::string& to,
                            const std::string& rate) {
  if (!Keepable(from) || !Keepable(to) || !Keepable(rate)) return;
  rates_[{from, to}] = rate;
}

}  // namespace tw
