#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "counting/CountOptions.h"

namespace tw {

inline constexpr const char* kSettingsFileName = "settings.ini";
inline constexpr const char* kWindowSection = "Window position";
inline constexpr const char* kDefaultRate = "0.01";
inline constexpr const char* kCurrencyCodeKey = "CurrencyCode";
inline constexpr int32_t kMinimumWindowWidth = 640;
inline constexpr int32_t kMinimumWindowHeight = 440;
// How many recently shown folders the settings keep.
inline constexpr int kRecentFolderCount = 8;
// PricingBy of "Words": the pricing entries are kept in the order Chars, Chars & spaces, Words.
inline constexpr int kWordsPricingIndex = 2;

// A window's or the desktop's rectangle in screen coordinates (right and bottom exclusive).
struct WindowRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const WindowRect&) const = default;
};

// What settings.ini keeps of the main window.
struct StoredSettings {
  std::string directory;   // the tree's selected folder; empty when none
  std::string rate;        // the rate edit's text as typed
  int currencyIndex = -1;  // selected index of the (sorted) currency combo, -1 for none
  // The selected currency's name, empty for none. Files of older versions lack it; when present
  // it wins over the index, which points elsewhere once currencies are added or deleted.
  std::string currencyCode;
  int pricingIndex = -1;  // selected index of the pricing combo, -1 for none
  int countTxt = 0;       // the seven type check boxes, 0 or 1
  int countDoc = 0;
  int countRtf = 0;
  int countXls = 0;
  int countHtm = 0;
  int countPpt = 0;
  int countPdf = 0;
  int countOdt = 0;  // the type boxes of the later formats, 0 or 1
  int countXliff = 0;
  int countPo = 0;
  int countSub = 0;
  int countMd = 0;
  int countMore = 0;
  WindowRect window;  // the window's restored (normal) rectangle
  // Kept after the keys above; files of older versions lack them and load the defaults.
  CountOptions options;
  std::vector<std::string> recentFolders;  // newest first, at most kRecentFolderCount
};

// What a first start without a settings file shows: every countable type ticked, rate 0.01,
// the first currency, pricing by words, the home folder.
StoredSettings FirstStartSettings(const std::string& homeFolder);

// Writes the settings file: the eleven keys, CurrencyCode, the options (HeadersAndFooters,
// ExtraSymbols, LegacyByteRules, Include as the switch list "notes,hidden") and RecentFolder1..n
// (after them, so older versions find their keys where they always were), an empty line, the
// "[Window position]" header and Bottom, Right, Top, Left, each line ending with CR LF. Atomic;
// false when it could not be written.
bool SaveSettingsFile(const std::string& path, const StoredSettings& settings);

// Reads the settings file, or nothing when it cannot be read. The values come back as the window
// applies them:
// - directory: verbatim (empty means: select nothing);
// - rate: verbatim, "0.01" when missing or empty (the window puts it into the rate edit, which
//   runs the rate checks like any other change);
// - currencyCode: verbatim, empty when missing;
// - currencyIndex, pricingIndex: the stored number as read by the C integer conversion (0 when
//   missing), not yet clamped; the window clamps with ClampComboIndex against its entry count;
// - check boxes: 0 or 1 as stored; missing or any other number gives the default (TXT and DOC on,
//   the others of the first seven off; the later formats' boxes, which older files lack, on);
// - window: the stored edges (each defaulting to the desktop's) clamped by ClampWindowPlacement;
// - options: 0 or 1 each, off when missing or any other value; an unreadable Include list
//   leaves every content switch off;
// - recentFolders: RecentFolder1.. up to the first missing or empty one.
std::optional<StoredSettings> LoadSettingsFile(const std::string& path, WindowRect desktop);

// The entry a stored combo index selects: a negative index selects none (-1), an index at or
// beyond the number of entries selects entry 0 (none when the combo is empty).
int ClampComboIndex(int stored, int entryCount);

// A stored check-box value: 0 and 1 are taken, anything else (or no value) gives the default.
int CheckBoxValue(const std::string& storedText, int defaultValue);

// Keeps a stored window rectangle on the desktop: swaps inverted edges, and moves an edge that
// lies off the desktop back onto it, enforcing the 640 x 440 minimum only for an edge that moved.
// A desktop smaller than that minimum still holds the whole window: it is cut to the desktop.
// Differences are computed exactly (64-bit), and a result beyond the 32-bit range saturates, so
// extreme stored values can neither wrap nor overflow.
WindowRect ClampWindowPlacement(WindowRect stored, WindowRect desktop);

}  // namespace tw
