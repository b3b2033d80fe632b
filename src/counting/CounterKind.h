#pragma once

#include <array>

namespace tw {

enum class CounterKind { Text = 0, Word, PowerPoint, Html, Pdf };
inline constexpr int kCounterKindCount = 5;

// The order in which the count run creates and runs the counters.
inline constexpr std::array<CounterKind, kCounterKindCount> kRunOrder = {
    CounterKind::Text, CounterKind::Word, CounterKind::PowerPoint, CounterKind::Html,
    CounterKind::Pdf};

}  // namespace tw
