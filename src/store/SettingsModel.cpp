#include "store/SettingsModel.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "counting/ContentSwitches.h"
#include "store/KeyValueFile.h"
#include "text/CNumbers.h"

namespace tw {
namespace {

struct CheckBoxKey {
  const char* key;
  int StoredSettings::*field;
  int defaultValue;
};

// In the order the file holds them.
constexpr CheckBoxKey kCheckBoxKeys[] = {
    {"CountTxt", &StoredSettings::countTxt, 1}, {"CountDoc", &StoredSettings::countDoc, 1},
    {"CountRtf", &StoredSettings::countRtf, 0}, {"CountXls", &StoredSettings::countXls, 0},
    {"CountHtm", &StoredSettings::countHtm, 0}, {"CountPPT", &StoredSettings::countPpt, 0},
    {"CountPdf", &StoredSettings::countPdf, 0},
};

// The boxes of the later formats, written after every key older versions know.
constexpr CheckBoxKey kLaterTypeKeys[] = {
    {"CountOdt", &StoredSettings::countOdt, 1}, {"CountXliff", &StoredSettings::countXliff, 1},
    {"CountPo", &StoredSettings::countPo, 1},   {"CountSub", &StoredSettings::countSub, 1},
    {"CountMd", &StoredSettings::countMd, 1},   {"CountMore", &StoredSettings::countMore, 1},
};

struct OptionKey {
  const char* key;
  bool CountOptions::*field;
};

constexpr OptionKey kOptionKeys[] = {
    {"HeadersAndFooters", &CountOptions::headersAndFooters},
    {"ExtraSymbols", &CountOptions::extraSymbolsAsWords},
    {"LegacyByteRules", &CountOptions::legacyByteRules},
};
constexpr const char* kIncludeKey = "Include";
constexpr const char* kRecentFolderKey = "RecentFolder";
constexpr const char* kProfileKey = "CountProfile";

void SaveOptions(KeyValueFile& file, const StoredSettings& settings) {
  for (const OptionKey& option : kOptionKeys) {
    file.SetValue(option.key, settings.options.*option.field ? "1" : "0");
  }
  file.SetValue(kIncludeKey, ContentSwitchesText(settings.options.include));
  for (size_t i = 0; i < settings.recentFolders.size() && i < kRecentFolderCount; ++i) {
    file.SetValue(kRecentFolderKey + std::to_string(i + 1), settings.recentFolders[i]);
  }
  file.SetValue(kProfileKey, std::string(ProfileName(settings.options.profile)));
}

void LoadOptions(const KeyValueFile& file, StoredSettings& settings) {
  for (const OptionKey& option : kOptionKeys) {
    settings.options.*option.field = CheckBoxValue(file.GetValue(std::string_view(option.key)), 0);
  }
  settings.options.include = ParseContentSwitches(file.GetValue(std::string_view(kIncludeKey)))
                                 .value_or(ContentSwitches{});
  for (int i = 1; i <= kRecentFolderCount; ++i) {
    std::string folder = file.GetValue(std::string_view(kRecentFolderKey + std::to_string(i)));
    if (folder.empty()) break;
    settings.recentFolders.push_back(std::move(folder));
  }
  // Files of older versions, and names this version does not know, count by the classic rules.
  settings.options.profile =
      ParseProfile(file.GetValue(std::string_view(kProfileKey))).value_or(CountProfile::Classic);
}

// Cuts an extent larger than the desktop's to the desktop.
void FitExtent(int64_t& nearEdge, int64_t& farEdge, int64_t desktopNear, int64_t desktopFar) {
  if (farEdge - nearEdge <= desktopFar - desktopNear) return;
  nearEdge = desktopNear;
  farEdge = desktopFar;
}

int32_t Saturate32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// The C library's integer conversion, kept within the 32-bit range the window works in.
int32_t ReadInteger(const std::string& text) {
  return Saturate32(ParseCInteger(text));
}

int32_t ReadEdge(const KeyValueFile& file, const char* key, int32_t desktopEdge) {
  const std::string text = file.GetValue(std::string_view(key));
  return text.empty() ? desktopEdge : ReadInteger(text);
}

// Moves the near edge onto the desktop when it lies off it, then keeps the minimum extent.
void ClampNearEdge(int64_t& nearEdge, int64_t& farEdge, int64_t desktopNear, int64_t desktopFar,
                   int64_t minimum) {
  if (nearEdge < desktopNear || nearEdge >= desktopFar) {
    nearEdge = desktopNear;
    if (farEdge - nearEdge < minimum) farEdge = nearEdge + minimum;
  }
}

// Pulls the far edge back onto the desktop when it lies beyond it, then keeps the minimum extent.
void ClampFarEdge(int64_t& nearEdge, int64_t& farEdge, int64_t desktopFar, int64_t minimum) {
  if (farEdge > desktopFar) {
    farEdge = desktopFar;
    if (farEdge - nearEdge < minimum) nearEdge = farEdge - minimum;
  }
}

}  // namespace

bool SaveSettingsFile(const std::string& path, const StoredSettings& settings) {
  KeyValueFile file;
  file.SetValue("Directory", settings.directory);
  file.SetValue("CurrencyValue", settings.rate);
  file.SetValue("CurrencyName", std::to_string(settings.currencyIndex));
  file.SetValue("PricingBy", std::to_string(settings.pricingIndex));
  for (const CheckBoxKey& box : kCheckBoxKeys) {
    file.SetValue(box.key, std::to_string(settings.*box.field));
  }
  file.SetValue(kCurrencyCodeKey, settings.currencyCode);
  for (const CheckBoxKey& box : kLaterTypeKeys) {
    file.SetValue(box.key, std::to_string(settings.*box.field));
  }
  SaveOptions(file, settings);
  // Each is inserted right after the header, so the file holds Bottom, Right, Top, Left.
  file.SetValue("Left", std::to_string(settings.window.left), kWindowSection);
  file.SetValue("Top", std::to_string(settings.window.top), kWindowSection);
  file.SetValue("Right", std::to_string(settings.window.right), kWindowSection);
  file.SetValue("Bottom", std::to_string(settings.window.bottom), kWindowSection);
  return file.Save(path) == 0;
}

std::optional<StoredSettings> LoadSettingsFile(const std::string& path, WindowRect desktop) {
  KeyValueFile file;
  if (file.Load(path) != 0) return std::nullopt;

  StoredSettings settings;
  settings.directory = file.GetValue(std::string_view("Directory"));
  settings.rate = file.GetValue(std::string_view("CurrencyValue"));
  if (settings.rate.empty()) settings.rate = kDefaultRate;
  settings.currencyIndex = ReadInteger(file.GetValue(std::string_view("CurrencyName")));
  settings.pricingIndex = ReadInteger(file.GetValue(std::string_view("PricingBy")));
  settings.currencyCode = file.GetValue(std::string_view(kCurrencyCodeKey));
  for (const CheckBoxKey& box : kCheckBoxKeys) {
    settings.*box.field = CheckBoxValue(file.GetValue(std::string_view(box.key)), box.defaultValue);
  }
  for (const CheckBoxKey& box : kLaterTypeKeys) {
    settings.*box.field = CheckBoxValue(file.GetValue(std::string_view(box.key)), box.defaultValue);
  }
  const WindowRect stored{ReadEdge(file, "Left", desktop.left), ReadEdge(file, "Top", desktop.top),
                          ReadEdge(file, "Right", desktop.right),
                          ReadEdge(file, "Bottom", desktop.bottom)};
  settings.window = ClampWindowPlacement(stored, desktop);
  LoadOptions(file, settings);
  return settings;
}

StoredSettings FirstStartSettings(const std::string& homeFolder) {
  StoredSettings settings;
  settings.directory = homeFolder;
  settings.rate = kDefaultRate;
  settings.currencyIndex = 0;
  settings.pricingIndex = kWordsPricingIndex;
  settings.countTxt = settings.countDoc = settings.countRtf = settings.countXls =
      settings.countHtm = settings.countPpt = settings.countPdf = 1;
  settings.countOdt = settings.countXliff = settings.countPo = settings.countSub =
      settings.countMd = settings.countMore = 1;
  return settings;
}

int ClampComboIndex(int stored, int entryCount) {
  if (stored < 0 || entryCount <= 0) return -1;
  return stored >= entryCount ? 0 : stored;
}

int CheckBoxValue(const std::string& storedText, int defaultValue) {
  if (storedText.empty()) return defaultValue;
  const int64_t value = ParseCInteger(storedText);
  return value == 0 || value == 1 ? static_cast<int>(value) : defaultValue;
}

WindowRect ClampWindowPlacement(WindowRect stored, WindowRect desktop) {
  int64_t left = stored.left, top = stored.top, right = stored.right, bottom = stored.bottom;
  if (top > bottom) std::swap(top, bottom);
  if (left > right) std::swap(left, right);
  ClampNearEdge(top, bottom, desktop.top, desktop.bottom, kMinimumWindowHeight);
  ClampNearEdge(left, right, desktop.left, desktop.right, kMinimumWindowWidth);
  ClampFarEdge(left, right, desktop.right, kMinimumWindowWidth);
  ClampFarEdge(top, bottom, desktop.bottom, kMinimumWindowHeight);
  FitExtent(left, right, desktop.left, desktop.right);
  FitExtent(top, bottom, desktop.top, desktop.bottom);
  return {Saturate32(left), Saturate32(top), Saturate32(right), Saturate32(bottom)};
}

}  // namespace tw
