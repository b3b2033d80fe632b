#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace tw {

inline constexpr const char* kExchangeRatesFileName = "exchange-rates.txt";

// The exchange rates the currency converter was given, one per pair of currencies, kept in a
// small file beside settings.ini: a UTF-8 line "FROM<TAB>TO<TAB>RATE" per pair, the rate as the
// user typed it with a dot. Written atomically.
class ExchangeRates {
 public:
  explicit ExchangeRates(std::string path) : path_(std::move(path)) {}

  // The file in the folder of `settingsPath` (the current folder for a bare name).
  static std::string PathBeside(const std::string& settingsPath);

  // Reads the file; a missing or unreadable file leaves no rates. Lines that are not three
  // fields are passed over.
  void Load();
  // False when the file could not be written (the old one stays).
  bool Save() const;

  // The rate from one currency into the other: as stored for the pair, else the inverse of the
  // rate stored the other way round, else nothing.
  std::optional<std::string> Rate(const std::string& from, const std::string& to) const;
  // Names holding a tab or a line break cannot be kept and are not stored.
  void SetRate(const std::string& from, const std::string& to, const std::string& rate);

 private:
  std::string path_;
  std::map<std::pair<std::string, std::string>, std::string> rates_;
};

}  // namespace tw
