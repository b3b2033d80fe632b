#include "app/JobFile.h"

#include <algorithm>
#include <cmath>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/JobOptionFields.h"
#include "store/AtomicFileWriter.h"
#include "text/CNumbers.h"

namespace tw {
namespace {

// Counts are kept as JSON numbers, which hold whole numbers exactly up to 2^53.
constexpr double kLargestExactCount = 9007199254740992.0;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QJsonObject CountsObject(const FileCounts& counts) {
  return {{"words", static_cast<double>(counts.words)},
          {"characters", static_cast<double>(counts.characters)},
          {"spaces", static_cast<double>(counts.spaces)},
          {"repeatedWords", static_cast<double>(counts.repeatedWords)}};
}

QJsonObject RowObject(const CountRow& row) {
  QJsonObject object{
      {"path", Q(row.path)}, {"currency", Q(row.currency)}, {"rate", Q(row.rateText)}};
  if (row.counts) object["counts"] = CountsObject(*row.counts);
  if (!row.failure.empty()) object["failure"] = Q(row.failure);
  // For other tools reading the file; opening it prices the rows again.
  if (row.amount && std::isfinite(*row.amount)) object["amount"] = *row.amount;
  return object;
}

QJsonObject OptionsObject(const CountOptions& options) {
  QJsonObject object;
  for (const JobOptionField& field : JobOptionFields()) object[field.name] = field.write(options);
  return object;
}

bool IsRateText(const QString& text) {
  return !text.isEmpty() && text.count(QLatin1Char('.')) <= 1 &&
         std::all_of(text.begin(), text.end(),
                     [](QChar c) { return c == QLatin1Char('.') || c.isDigit(); }) &&
         text != QStringLiteral(".");
}

bool ReadCount(const QJsonObject& counts, const char* name, int64_t& count) {
  const QJsonValue value = counts.value(QLatin1String(name));
  if (!value.isDouble()) return false;
  const double number = value.toDouble();
  if (number < 0 || number > kLargestExactCount || std::floor(number) != number) return false;
  count = static_cast<int64_t>(number);
  return true;
}

std::optional<FileCounts> ReadCounts(const QJsonValue& value) {
  if (!value.isObject()) return std::nullopt;
  FileCounts counts;
  const QJsonObject object = value.toObject();
  if (!ReadCount(object, "words", counts.words) ||
      !ReadCount(object, "characters", counts.characters) ||
      !ReadCount(object, "spaces", counts.spaces)) {
    return std::nullopt;
  }
  // Jobs saved before repetitions were counted have none.
  if (object.contains("repeatedWords") &&
      (!ReadCount(object, "repeatedWords", counts.repeatedWords) ||
       counts.repeatedWords > counts.words)) {
    return std::nullopt;
  }
  return counts;
}

// The row, or the reason it is damaged.
std::string ReadRow(const QJsonValue& value, CountRow& row) {
  if (!value.isObject()) return "a row is not an object";
  const QJsonObject object = value.toObject();
  const QString path = object.value("path").toString();
  if (path.isEmpty()) return "a row has no path";
  row.path = path.toStdString();
  if (object.contains("counts")) {
    row.counts = ReadCounts(object.value("counts"));
    if (!row.counts) return "the counts of " + row.path + " are damaged";
  }
  const QJsonValue failure = object.value("failure");
  if (!failure.isUndefined() && !failure.isString())
    return "the failure of " + row.path + " is damaged";
  row.failure = failure.toString().toStdString();
  if (!row.failure.empty()) row.counts.reset();
  if (!object.value("currency").isString()) return "the currency of " + row.path + " is damaged";
  row.currency = object.value("currency").toString().toStdString();
  const QString rate = object.value("rate").toString();
  if (!IsRateText(rate)) return "the rate of " + row.path + " is damaged";
  row.rateText = rate.toStdString();
  row.rate = ParseCDouble(row.rateText);
  return "";
}

std::string ReadOptions(const QJsonValue& value, CountOptions& options) {
  if (value.isUndefined()) return "";
  if (!value.isObject()) return "the options are damaged";
  const QJsonObject object = value.toObject();
  // Options this version does not know are passed over; those it knows must make sense.
  for (const JobOptionField& field : JobOptionFields()) {
    const QJsonValue option = object.value(QLatin1String(field.name));
    if (!option.isUndefined() && !field.read(option, options)) {
      return std::string("the option \"") + field.name + "\" is damaged";
    }
  }
  return "";
}

std::string ReadHead(const QJsonObject& root, Job& job) {
  const QJsonValue format = root.value("format");
  if (!format.isDouble() || format.toDouble() < 1 ||
      std::floor(format.toDouble()) != format.toDouble()) {
    return "it has no format version";
  }
  if (format.toDouble() > kJobFormatVersion) {
    return "it was written by a later version of the program (format " +
           std::to_string(format.toInt()) + ")";
  }
  if (!root.value("pricing").isString() || !root.value("currency").isString()) {
    return "its pricing is damaged";
  }
  job.pricing = root.value("pricing").toString().toStdString();
  job.currency = root.value("currency").toString().toStdString();
  const QString rate = root.value("rate").toString();
  if (!IsRateText(rate)) return "its rate is damaged";
  job.rateText = rate.toStdString();
  return ReadOptions(root.value("options"), job.options);
}

}  // namespace

QByteArray JobFileBytes(const Job& job) {
  QJsonArray rows;
  for (const CountRow& row : job.rows) rows.append(RowObject(row));
  const QJsonObject root{{"format", kJobFormatVersion},
                         {"application", "Tallywright"},
                         {"pricing", Q(job.pricing)},
                         {"rate", Q(job.rateText)},
                         {"currency", Q(job.currency)},
                         {"options", OptionsObject(job.options)},
                         {"rows", rows}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

JobRead ParseJobFile(const QByteArray& bytes) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
  if (document.isNull()) {
    return {std::nullopt, "it is not a job file (" + parseError.errorString().toStdString() +
                              " at byte " + std::to_string(parseError.offset) + ")"};
  }
  if (!document.isObject()) return {std::nullopt, "it is not a job file"};
  const QJsonObject root = document.object();
  Job job;
  if (std::string error = ReadHead(root, job); !error.empty()) return {std::nullopt, error};
  if (!root.value("rows").isArray()) return {std::nullopt, "it has no rows"};
  for (const QJsonValue& value : root.value("rows").toArray()) {
    if (std::string error = ReadRow(value, job.rows.emplace_back()); !error.empty()) {
      return {std::nullopt, error};
    }
  }
  return {std::move(job), ""};
}

std::string WriteJobFile(const std::string& path, const Job& job) {
  const QByteArray bytes = JobFileBytes(job);
  std::string error;
  if (WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()), &error)) {
    return "";
  }
  return error;
}

JobRead ReadJobFile(const std::string& path) {
  QFile file(Q(path));
  if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, file.errorString().toStdString()};
  // A job of a million rows is far below this; anything larger is no job file of ours.
  constexpr qint64 kLargestJobFile = qint64(512) << 20;
  if (file.size() > kLargestJobFile) return {std::nullopt, "it is too large for a job file"};
  return ParseJobFile(file.readAll());
}

}  // namespace tw
