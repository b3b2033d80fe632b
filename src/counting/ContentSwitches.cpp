#include "counting/ContentSwitches.h"

#include <array>

namespace tw {
namespace {

std::array<bool*, 5> SwitchFields(ContentSwitches& switches) {
  return {&switches.notes, &switches.comments, &switches.charts, &switches.diagrams,
          &switches.hidden};
}

bool SetSwitch(ContentSwitches& switches, std::string_view name) {
  const auto fields = SwitchFields(switches);
  for (size_t i = 0; i < fields.size(); ++i) {
    if (name == kContentSwitchNames[i]) {
      *fields[i] = true;
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<ContentSwitches> ParseContentSwitches(std::string_view list) {
  ContentSwitches switches;
  while (!list.empty()) {
    const size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    if (!SetSwitch(switches, name)) return std::nullopt;
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
    if (list.empty()) return std::nullopt;  // a trailing comma names nothing
  }
  return switches;
}

std::string ContentSwitchesText(const ContentSwitches& switches) {
  ContentSwitches copy = switches;
  const auto fields = SwitchFields(copy);
  std::string text;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (!*fields[i]) continue;
    if (!text.empty()) text += ',';
    text += kContentSwitchNames[i];
  }
  return text;
}

}  // namespace tw
