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

// A whole number of the unit options, within the bounds the Options dialog keeps.
template <int UnitOptions::*member>
JobOptionField UnitNumber(const char* name, int lowest, int highest) {
  return {name, [](const CountOptions& options) { return QJsonValue(options.units.*member); },
          [lowest, highest](const QJsonValue& value, CountOptions& options) {
            const double number = value.toDouble(-1);
            if (!value.isDouble() || number < lowest || number > highest ||
                number != static_cast<int>(number)) {
              return false;
            }
            options.units.*member = static_cast<int>(number);
            return true;
          }};
}

JobOptionField Repetitions() {
  return {"repetitions",
          [](const CountOptions& options) { return QJsonValue(options.units.repetitions); },
          [](const QJsonValue& value, CountOptions& options) {
            if (!value.isBool()) return false;
            options.units.repetitions = value.toBool();
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
      UnitNumber<&UnitOptions::lineLength>("lineLength", 1, 1000000),
      UnitNumber<&UnitOptions::pageLength>("pageLength", 1, 1000000),
      Repetitions(),
      UnitNumber<&UnitOptions::repetitionWeight>("repetitionWeight", 0, 100),
  };
  return fields;
}

}  // namespace tw
