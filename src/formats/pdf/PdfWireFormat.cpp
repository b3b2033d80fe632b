#include "formats/pdf/PdfWireFormat.h"

namespace tw {
namespace {

constexpr uint32_t kMagic = 0x44505754;  // "TWPD" read as a little-endian number

void AppendU32(std::string& out, uint32_t value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

std::optional<uint32_t> ReadU32(const PdfWireFormat::ByteSource& source) {
  uint32_t value = 0;
  if (!source(&value, sizeof value)) return std::nullopt;
  return value;
}

}  // namespace

std::string PdfWireFormat::EncodeHeader(const Header& header) {
  std::string out;
  AppendU32(out, kMagic);
  AppendU32(out, static_cast<uint32_t>(header.opening));
  AppendU32(out, static_cast<uint32_t>(header.pageCount));
  return out;
}

std::string PdfWireFormat::EncodePage(std::u16string_view text) {
  std::string out;
  AppendU32(out, static_cast<uint32_t>(text.size()));
  out.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
  return out;
}

std::optional<PdfWireFormat::Header> PdfWireFormat::ReadHeader(const ByteSource& source) {
  const std::optional<uint32_t> magic = ReadU32(source);
  const std::optional<uint32_t> opening = ReadU32(source);
  const std::optional<uint32_t> pages = ReadU32(source);
  constexpr auto kLastOpening = static_cast<uint32_t>(Opening::NeedsPassword);
  if (!magic || !opening || !pages || *magic != kMagic || *opening > kLastOpening) {
    return std::nullopt;
  }
  const auto pageCount = static_cast<int32_t>(*pages);
  if (pageCount < 0) return std::nullopt;
  return Header{static_cast<Opening>(*opening), pageCount};
}

std::optional<std::u16string> PdfWireFormat::ReadPage(const ByteSource& source) {
  const std::optional<uint32_t> units = ReadU32(source);
  if (!units || *units > kMaxPageUnits) return std::nullopt;
  std::u16string text(*units, u'\0');
  if (*units > 0 && !source(text.data(), *units * sizeof(char16_t))) return std::nullopt;
  return text;
}

}  // namespace tw
