#pragma once

#include <functional>
#include <vector>

#include <QJsonValue>

#include "counting/CountOptions.h"

namespace tw {

// How a job file keeps each field of CountOptions: its JSON name, its value, and how a value read
// back is taken (false when it is of the wrong kind). A new option is one entry more.
struct JobOptionField {
  const char* name;
  std::function<QJsonValue(const CountOptions&)> write;
  std::function<bool(const QJsonValue&, CountOptions&)> read;
};

const std::vector<JobOptionField>& JobOptionFields();

}  // namespace tw
