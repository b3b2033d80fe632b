#pragma once

#include <string>

namespace tw {

// Where settings.ini and currency.dat live: the current folder when it already holds a
// settings.ini (portable use and older installs), else $XDG_CONFIG_HOME/tallywright/. Both files
// always live side by side, so a portable copy never mixes in the user's currencies.
class ConfigLocation {
 public:
  // The folder, created when it is the configuration folder and missing.
  static std::string Folder();
  static std::string SettingsFile();
  static std::string CurrencyFile();
};

}  // namespace tw
