#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "counting/Counter.h"
#include "counting/CounterFactory.h"

namespace tw {

// Which batch a path's tail selects; nullopt for ".xls" rows (set aside) and unknown tails.
std::optional<CounterKind> BatchKindOfPath(std::string_view path);

// The five batches of a count list, in the order of CounterKind.
using Batches = std::array<Batch, kCounterKindCount>;
Batches BuildBatches(CountHost& host);

// "Count Statistic": zeroes the totals, sorts the rows into batches by the tail of their paths,
// runs the text, Word, PowerPoint, HTML and PDF counters in that order, then takes the current
// values from the controls again.
void OnCountStatistic(CountHost& host, CountContext& context, const CounterFactory& factory);

}  // namespace tw
