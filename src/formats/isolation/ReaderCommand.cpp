#include "formats/isolation/ReaderCommand.h"

#include <charconv>
#include <string_view>

namespace tw {
namespace {

constexpr std::string_view kCpuOption = "--cpu-seconds=";
constexpr std::string_view kMemoryOption = "--address-space=";

// The whole of `argument` after `option` as a number, or nothing.
std::optional<unsigned long> NumberAfter(std::string_view argument, std::string_view option) {
  if (!argument.starts_with(option)) return std::nullopt;
  const std::string_view digits = argument.substr(option.size());
  unsigned long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

ReaderCommand ReaderCommand::For(const ReaderLimits& limits) {
  return ReaderCommand{limits.cpuSeconds, limits.addressSpaceBytes};
}

std::vector<std::string> ReaderCommand::Arguments() const {
  return {std::string(kCpuOption) + std::to_string(cpuSeconds),
          std::string(kMemoryOption) + std::to_string(addressSpaceBytes)};
}

std::optional<ReaderCommand> ReaderCommand::Parse(const std::vector<std::string>& arguments) {
  if (arguments.size() != 2) return std::nullopt;
  const std::optional<unsigned long> cpu = NumberAfter(arguments[0], kCpuOption);
  const std::optional<unsigned long> memory = NumberAfter(arguments[1], kMemoryOption);
  if (!cpu || !memory) return std::nullopt;
  return ReaderCommand{*cpu, *memory};
}

}  // namespace tw
