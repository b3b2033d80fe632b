#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tw::cli {

// A parsed JSON value: enough of JSON to read the command line's own json outputs back, and
// strict (RFC 8259), so that it also tells whether an output is valid JSON.
struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };

  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0.0;
  std::string text;  // a string's UTF-8 text, or a number as written
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;  // a repeated name keeps its last value

  bool Is(Kind wanted) const { return kind == wanted; }
  // The member `name` of an object, or nothing.
  const JsonValue* Member(const std::string& name) const;
};

struct JsonParse {
  std::optional<JsonValue> value;
  std::string error;  // why the text is not JSON, with the byte offset
};

JsonParse ParseJson(const std::string& text);

}  // namespace tw::cli
