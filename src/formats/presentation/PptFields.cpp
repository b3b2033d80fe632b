#include "formats/presentation/PptFields.h"

#include <algorithm>
#include <array>

namespace tw::powerpoint {
namespace {

constexpr uint16_t kSlideNumberField = 0x0FD8;
constexpr uint16_t kDateTimeField = 0x0FF7;
constexpr uint16_t kGenericDateField = 0x0FF8;
constexpr uint16_t kHeaderField = 0x0FF9;
constexpr uint16_t kFooterField = 0x0FFA;
constexpr uint16_t kRtfDateTimeField = 0x1015;

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

std::string TwoDigits(int value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string ShortDate(const std::tm& t) {
  return std::to_string(t.tm_mon + 1) + "/" + std::to_string(t.tm_mday) + "/" +
         std::to_string(t.tm_year + 1900);
}

std::string Clock(const std::tm& t, bool seconds, bool twelveHours) {
  const int hour = twelveHours ? (t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12) : t.tm_hour;
  std::string text = std::to_string(hour) + ":" + TwoDigits(t.tm_min);
  if (seconds) text += ":" + TwoDigits(t.tm_sec);
  if (twelveHours) text += t.tm_hour < 12 ? " AM" : " PM";
  return text;
}

std::string DateTimeUtf8(uint8_t format, const std::tm& t) {
  const std::string month = kMonths[static_cast<size_t>(std::clamp(t.tm_mon, 0, 11))];
  const std::string day = std::to_string(t.tm_mday);
  const std::string year = std::to_string(t.tm_year + 1900);
  const std::string shortYear = TwoDigits((t.tm_year + 1900) % 100);
  switch (format) {
    case 1:
      return std::string(kWeekdays[static_cast<size_t>(std::clamp(t.tm_wday, 0, 6))]) + ", " +
             month + " " + day + ", " + year;
    case 2:
      return day + " " + month + " " + year;
    case 3:
      return month + " " + day + ", " + year;
    case 4:
      return day + "-" + month.substr(0, 3) + "-" + shortYear;
    case 5:
      return month + " " + shortYear;
    case 6:
      return month.substr(0, 3) + "-" + shortYear;
    case 7:
      return ShortDate(t) + " " + Clock(t, false, true);
    case 8:
      return ShortDate(t) + " " + Clock(t, true, true);
    case 9:
      return Clock(t, false, false);
    case 10:
      return Clock(t, true, false);
    case 11:
      return Clock(t, false, true);
    case 12:
      return Clock(t, true, true);
    default:
      return ShortDate(t);
  }
}

std::u16string FieldText(const TextField& field, const FieldValues& values) {
  switch (field.type) {
    case kSlideNumberField: {
      const std::string number = std::to_string(values.slideNumber);
      return std::u16string(number.begin(), number.end());
    }
    case kFooterField:
      return values.footer;
    case kHeaderField:
      return values.header;
    default:
      return DateTimeText(field.format, values.now);
  }
}

}  // namespace

std::optional<TextField> FieldOfRecord(const PptRecord& record) {
  switch (record.type) {
    case kSlideNumberField:
    case kGenericDateField:
    case kHeaderField:
    case kFooterField:
    case kRtfDateTimeField:
      return TextField{ReadU32(record.body, 0), record.type, 0};
    case kDateTimeField:
      return TextField{ReadU32(record.body, 0), record.type,
                       record.body.size() > 4 ? record.body[4] : uint8_t{0}};
    default:
      return std::nullopt;
  }
}

std::u16string ShowFields(std::u16string text, const std::vector<TextField>& fields,
                          const FieldValues& values) {
  // From the last field to the first, so a replacement leaves the earlier positions as they were.
  std::vector<TextField> ordered = fields;
  std::sort(ordered.begin(), ordered.end(),
            [](const TextField& a, const TextField& b) { return a.position > b.position; });
  uint32_t previous = UINT32_MAX;
  for (const TextField& field : ordered) {
    if (field.position == previous || field.position >= text.size()) continue;
    previous = field.position;
    if (text[field.position] != u'*') continue;
    text.replace(field.position, 1, FieldText(field, values));
  }
  return text;
}

std::u16string DateTimeText(uint8_t format, const std::tm& time) {
  const std::string text = DateTimeUtf8(format, time);
  return std::u16string(text.begin(), text.end());
}

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace tw::powerpoint
