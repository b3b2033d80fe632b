#include "app/JobOptionFields.h"

#include "counting/ContentSwitches.h"
#include "counting/CountProfile.h"

namespace tw {
namespace {

template <bool CountOptions::*member>
JobOptionField Switch(const char* name) {
  return {name, [](const CountOptions& options) { return QJsonValue(options.*member); },
          [](const QJsonValue& value, CountOptions& options) {
            if (!value.isBool()) return false;
            options.*member = value.toBool();
            return true;
          }};
}

JobOptionField IncludeList() {
  return {"include",
          [](const CountOptions& options) {
            return QJsonValue(QString::fromStdString(ContentSwitchesText(options.include)));
          },
          [](const QJsonValue& value, CountOptions& options) {
            if (!value.isString()) return false;
            const auto parsed = ParseContentSwitches(value.toString().toStdString());
            if (!parsed) return false;
            options.include = *parsed;
            return true;
          }};
}

JobOptionField Profile() {
  return {"profile",
          [](const CountOptions& options) {
            return QJsonValue(QString::fromUtf8(ProfileName(options.profile)));
          },
          [](const QJsonValue& value, CountOptions& options) {
            const auto parsed = ParseProfile(value.toString().toStdString());
            if (!value.isString() || !parsed) return false;
            options.profile = *parsed;
            return true;
          }};
}

}  // namespace

const std::vector<JobOptionField>& JobOptionFields() {
  static const std::vector<JobOptionField> fields = {
      Switch<&CountOptions::headersAndFooters>("headersAndFooters"),
      Switch<&CountOptions::extraSymbolsAsWords>("extraSymbolsAsWords"),
      Switch<&CountOptions::legacyByteRules>("legacyByteRules"),
      Switch<&CountOptions::xliffTarget>("xliffTarget"),
      IncludeList(),
      Profile(),
  };
  return fields;
}

}  // namespace tw
