#include "automation/pdf/PdfWireFormat.h"

#include <algorithm>

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
  AppendU32(out, header.opened ? 1 : 0);
  AppendU32(out, static_cast<uint32_t>(header.pageCount));
  return out;
}

std::string PdfWireFormat::EncodePage(const PdfTextItems& items) {
  std::string out;
  AppendU32(out, static_cast<uint32_t>(items.size()));
  for (const std::u16string& item : items) {
    AppendU32(out, static_cast<uint32_t>(item.size()));
    out.append(reinterpret_cast<const char*>(item.data()), item.size() * sizeof(char16_t));
  }
  return out;
}

std::optional<PdfWireFormat::Header> PdfWireFormat::ReadHeader(const ByteSource& source) {
  const std::optional<uint32_t> magic = ReadU32(source);
  const std::optional<uint32_t> opened = ReadU32(source);
  const std::optional<uint32_t> pages = ReadU32(source);
  if (!magic || !opened || !pages || *magic != kMagic || *opened > 1) return std::nullopt;
  const auto pageCount = static_cast<int32_t>(*pages);
  if (pageCount < 0) return std::nullopt;
  return Header{*opened == 1, pageCount};
}

std::optional<PdfTextItems> PdfWireFormat::ReadPage(const ByteSource& source) {
  const std::optional<uint32_t> count = ReadU32(source);
  size_t budget = kMaxPageWeight;
  if (!count || *count > budget / kItemUpkeep) return std::nullopt;
  PdfTextItems items;
  items.reserve(std::min<uint32_t>(*count, 4096));
  for (uint32_t i = 0; i < *count; ++i) {
    const std::optional<uint32_t> units = ReadU32(source);
    if (!units || *units + kItemUpkeep > budget) return std::nullopt;
    budget -= *units + kItemUpkeep;
    std::u16string item(*units, u'\0');
    if (*units > 0 && !source(item.data(), *units * sizeof(char16_t))) return std::nullopt;
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace tw
