// Feeds arbitrary bytes to the kept-file readers: the key-value text (as a file's UTF-16LE
// content), the settings values read from it, the currency list and the window clamp, and the
// report builder with the bytes as a cell. Nothing may crash, hang or overflow.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "counting/CountRow.h"
#include "counting/RateEntry.h"
#include "store/CurrencyList.h"
#include "store/HtmlReport.h"
#include "store/KeyValueFile.h"
#include "store/SettingsModel.h"
#include "text/CNumbers.h"
#include "text/Utf16Text.h"

namespace {

std::u16string AsUtf16Le(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  return text;
}

int32_t Edge(const tw::KeyValueFile& file, const char* key) {
  return static_cast<int32_t>(tw::ParseCInteger(file.GetValue(std::string_view(key))));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tw::KeyValueFile file;
  file.SetText(AsUtf16Le(data, size));
  for (const char* key : {"Directory", "CurrencyValue", "Top", "Left", "currencies", ""}) {
    (void)file.GetValue(std::string_view(key));
  }
  const tw::WindowRect stored{Edge(file, "Left"), Edge(file, "Top"), Edge(file, "Right"),
                              Edge(file, "Bottom")};
  const tw::WindowRect desktop{Edge(file, "Top"), Edge(file, "Left"), Edge(file, "Bottom"),
                               Edge(file, "Right")};
  (void)tw::ClampWindowPlacement(stored, desktop);

  const std::string utf8 = tw::Utf16ToUtf8(file.Text());
  std::vector<std::string> names = tw::ParseCurrencyList(utf8);
  tw::SortCurrencyNames(names);
  (void)tw::JoinCurrencyList(names);
  file.SetValue("Left", utf8, "Window position");
  file.SetValue(utf8, "1", utf8);

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // Runs of extra dots cost quadratically many messages; a short prefix covers every path.
  (void)tw::CheckRateText(bytes.substr(0, 48));
  tw::CountRow row;
  row.path = bytes;
  row.currency = bytes;
  row.rateText = bytes;
  row.rate = tw::ParseCDouble(bytes);
  row.counts = tw::FileCounts{tw::ParseCInteger(bytes), static_cast<int64_t>(size), 0};
  row.amount = row.rate;
  (void)tw::BuildHtmlReport({row}, bytes, tw::CountTotals{});
  return 0;
}
