#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "formats/presentation/PptRecords.h"

namespace tw::powerpoint {

// A field in a text: the placeholder character at `position` stands for what the field shows.
struct TextField {
  uint32_t position = 0;
  uint16_t type = 0;   // the record type that placed it
  uint8_t format = 0;  // date and time fields: which of the built-in formats
};

// What the fields of one slide show: its number, its footer and header, and the local time.
struct FieldValues {
  int slideNumber = 0;
  std::u16string footer;
  std::u16string header;
  std::tm now{};
};

// The field a record places, when it is one of the field records of a text.
std::optional<TextField> FieldOfRecord(const PptRecord& record);

// The text as the slide shows it: each field's placeholder "*" replaced by the field's text.
std::u16string ShowFields(std::u16string text, const std::vector<TextField>& fields,
                          const FieldValues& values);

// A date or time in one of the built-in formats (0 to 12, as the Date and Time dialog lists
// them in English); an unknown format shows the short date.
std::u16string DateTimeText(uint8_t format, const std::tm& time);

// The local time now, for FieldValues.
std::tm LocalTimeNow();

}  // namespace tw::powerpoint
