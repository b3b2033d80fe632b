#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "counting/CountOptions.h"

namespace tw {

// The names the CLI's --include, settings.ini and the reports use, in this order.
inline constexpr const char* kContentSwitchNames[] = {"notes", "comments", "charts", "diagrams",
                                                      "hidden"};

// Parses a comma-separated list of switch names ("notes,hidden"); an empty list turns all off.
// Nothing when a name is unknown.
std::optional<ContentSwitches> ParseContentSwitches(std::string_view list);

// The switches that are on, comma-separated in the order above; empty when none is.
std::string ContentSwitchesText(const ContentSwitches& switches);

}  // namespace tw
