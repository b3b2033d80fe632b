#include "counting/CountProfile.h"

#include <array>
#include <utility>

namespace tw {
namespace {

constexpr std::array<std::pair<CountProfile, std::string_view>, 3> kProfileNames = {{
    {CountProfile::Classic, "classic"},
    {CountProfile::Word, "word"},
    {CountProfile::Segments, "segments"},
}};

}  // namespace

std::string_view ProfileName(CountProfile profile) {
  for (const auto& [value, name] : kProfileNames) {
    if (value == profile) return name;
  }
  return "classic";
}

std::optional<CountProfile> ParseProfile(std::string_view name) {
  for (const auto& [value, known] : kProfileNames) {
    if (known == name) return value;
  }
  return std::nullopt;
}

}  // namespace tw
