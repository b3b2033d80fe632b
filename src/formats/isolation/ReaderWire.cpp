#include "formats/isolation/ReaderWire.h"

namespace tw {
namespace {

constexpr uint32_t kRequestMagic = 0x51525754;  // "TWRQ" read as a little-endian number
enum class FrameType : uint32_t { Piece = 0x50525754, End = 0x45525754, Error = 0x58525754 };

constexpr auto kLastKind = static_cast<uint32_t>(PieceKind::Block);
constexpr auto kLastHeaderFooter = static_cast<uint32_t>(HeaderFooterType::EvenPages);
constexpr auto kLastRevision = static_cast<uint32_t>(Revision::Deleted);
constexpr auto kLastCause = static_cast<uint32_t>(ReaderError::Cause::NeedsPassword);
constexpr uint32_t kHidden = 1;
constexpr uint32_t kFieldResult = 2;

void AppendU32(std::string& out, uint32_t value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AppendText(std::string& out, const std::string& text) {
  const std::string bounded = text.substr(0, ReaderWire::kMaxTextBytes);
  AppendU32(out, static_cast<uint32_t>(bounded.size()));
  out += bounded;
}

std::optional<uint32_t> ReadU32(const ReaderWire::ByteSource& source) {
  uint32_t value = 0;
  if (!source(&value, sizeof value)) return std::nullopt;
  return value;
}

std::optional<std::string> ReadText(const ReaderWire::ByteSource& source) {
  const std::optional<uint32_t> size = ReadU32(source);
  if (!size || *size > ReaderWire::kMaxTextBytes) return std::nullopt;
  std::string text(*size, '\0');
  if (*size > 0 && !source(text.data(), *size)) return std::nullopt;
  return text;
}

// Every field of a piece is checked against what a reader can make.
std::optional<TextPiece> ReadPiece(const ReaderWire::ByteSource& source) {
  uint32_t fields[6];  // kind, header/footer, revision, flags, container, group depth
  if (!source(fields, sizeof fields)) return std::nullopt;
  if (fields[0] > kLastKind || fields[1] > kLastHeaderFooter || fields[2] > kLastRevision ||
      fields[3] > (kHidden | kFieldResult)) {
    return std::nullopt;
  }
  const std::optional<uint32_t> units = ReadU32(source);
  if (!units || *units > ReaderWire::kMaxPieceUnits) return std::nullopt;
  TextPiece piece;
  piece.kind = static_cast<PieceKind>(fields[0]);
  piece.headerFooter = static_cast<HeaderFooterType>(fields[1]);
  piece.revision = static_cast<Revision>(fields[2]);
  piece.hidden = (fields[3] & kHidden) != 0;
  piece.fieldResult = (fields[3] & kFieldResult) != 0;
  piece.container = static_cast<int32_t>(fields[4]);
  piece.groupDepth = static_cast<int32_t>(fields[5]);
  piece.text.resize(*units);
  if (*units > 0 && !source(piece.text.data(), *units * sizeof(char16_t))) return std::nullopt;
  return piece;
}

std::optional<ReaderWire::End> ReadEnd(const ReaderWire::ByteSource& source) {
  const std::optional<uint32_t> sections = ReadU32(source);
  const std::optional<uint32_t> titleMaster = ReadU32(source);
  if (!sections || !titleMaster || static_cast<int32_t>(*sections) < 0 || *titleMaster > 1) {
    return std::nullopt;
  }
  return ReaderWire::End{static_cast<int32_t>(*sections), *titleMaster == 1};
}

std::optional<ReaderError> ReadError(const ReaderWire::ByteSource& source) {
  const std::optional<uint32_t> cause = ReadU32(source);
  if (!cause || *cause > kLastCause) return std::nullopt;
  std::optional<std::string> reason = ReadText(source);
  if (!reason) return std::nullopt;
  std::optional<std::string> detail = ReadText(source);
  if (!detail) return std::nullopt;
  return ReaderError(*reason, static_cast<ReaderError::Cause>(*cause), std::move(*detail));
}

}  // namespace

std::string ReaderWire::EncodeRequest(const Request& request) {
  std::string out;
  AppendU32(out, kRequestMagic);
  AppendU32(out, static_cast<uint32_t>(request.format));
  AppendText(out, request.path);
  return out;
}

std::string ReaderWire::EncodePiece(const TextPiece& piece) {
  std::string out;
  AppendU32(out, static_cast<uint32_t>(FrameType::Piece));
  AppendU32(out, static_cast<uint32_t>(piece.kind));
  AppendU32(out, static_cast<uint32_t>(piece.headerFooter));
  AppendU32(out, static_cast<uint32_t>(piece.revision));
  AppendU32(out, (piece.hidden ? kHidden : 0) | (piece.fieldResult ? kFieldResult : 0));
  AppendU32(out, static_cast<uint32_t>(piece.container));
  AppendU32(out, static_cast<uint32_t>(piece.groupDepth));
  AppendU32(out, static_cast<uint32_t>(piece.text.size()));
  out.append(reinterpret_cast<const char*>(piece.text.data()),
             piece.text.size() * sizeof(char16_t));
  return out;
}

std::string ReaderWire::EncodeEnd(const End& end) {
  std::string out;
  AppendU32(out, static_cast<uint32_t>(FrameType::End));
  AppendU32(out, static_cast<uint32_t>(end.sectionCount));
  AppendU32(out, end.hasTitleMaster ? 1 : 0);
  return out;
}

std::string ReaderWire::EncodeError(const ReaderError& error) {
  std::string out;
  AppendU32(out, static_cast<uint32_t>(FrameType::Error));
  AppendU32(out, static_cast<uint32_t>(error.GetCause()));
  AppendText(out, error.Reason());
  AppendText(out, error.Detail());
  return out;
}

std::optional<ReaderWire::Request> ReaderWire::ReadRequest(const ByteSource& source) {
  const std::optional<uint32_t> magic = ReadU32(source);
  const std::optional<uint32_t> format = ReadU32(source);
  if (!magic || !format || *magic != kRequestMagic || *format >= kDocumentFormatCount) {
    return std::nullopt;
  }
  std::optional<std::string> path = ReadText(source);
  if (!path || path->empty()) return std::nullopt;
  return Request{static_cast<DocumentFormat>(*format), std::move(*path)};
}

std::optional<ReaderWire::Frame> ReaderWire::ReadFrame(const ByteSource& source) {
  const std::optional<uint32_t> type = ReadU32(source);
  if (!type) return std::nullopt;
  switch (static_cast<FrameType>(*type)) {
    case FrameType::Piece:
      if (auto piece = ReadPiece(source)) return Frame(std::move(*piece));
      break;
    case FrameType::End:
      if (auto end = ReadEnd(source)) return Frame(*end);
      break;
    case FrameType::Error:
      if (auto error = ReadError(source)) return Frame(std::move(*error));
      break;
  }
  return std::nullopt;
}

}  // namespace tw
