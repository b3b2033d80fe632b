#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "counting/CountTotals.h"
#include "text/TextDecoder.h"
#include "text/TextDecoding.h"
#include "text/Utf8Decoder.h"

namespace tw {

// Counts a text handed over in pieces, with the same outcome as a count of the whole text: the
// first piece is the text's head, which decides the decoding (TextPlan); a character or an entity
// cut by a piece's edge is carried into the next. Whether the text is UTF-8 is known only at its
// end, so while it may be, it is counted both as UTF-8 and the other way, and the end picks.
template <class Policy>
class TextScanStream {
 public:
  TextScanStream(Policy policy, bool legacyByteRules)
      : policy_(policy), legacyByteRules_(legacyByteRules) {}

  void Feed(std::span<const uint8_t> piece) {
    if (!started_) piece = Start(piece);
    if (utf8Waits_ && !IsAscii(piece)) {
      // Up to here both readings agree; from here they may not.
      utf8_.emplace(Utf8Decoder(), policy_.ContinueByCodePoint(*bytes_));
      utf8Waits_ = false;
    }
    // The UTF-8 reading goes first: it takes longest, so the piece comes in from memory while
    // it works, and the readings after it find the piece in cache.
    if (utf8_) {
      utf8_->Feed(piece);
      if (utf8_->decoder.SawInvalid()) {
        utf8_.reset();
        utf8Dropped_ = true;
      }
    }
    if (bytes_) bytes_->Feed(piece);
    if (decoded_) decoded_->Feed(piece);
  }

  // A text cut into parts, each counted by a stream of its own, sums up to the whole text's
  // counts when the text is judged byte by byte (the plan's encoding is Bytes) and the stream
  // of every part but the last ends AtRest. A part other than the first starts with the plan
  // the first part's head decided.
  void StartPart(const TextPlan& plan) {
    started_ = true;
    Begin(plan);
  }

  // Whether nothing read so far bears on how the next byte is judged, so that a part starting
  // here with a fresh stream counts the same as this stream would.
  bool AtRest() const {
    if (decoded_) return false;
    const bool bytesAtRest = !bytes_ || Policy::AtRest(*bytes_);
    return bytesAtRest && (!utf8_ || (!utf8_->decoder.Pending() && Policy::AtRest(utf8_->points)));
  }

  // What a part counted: byte by byte, and as UTF-8 when its bytes are UTF-8 with a multi-byte
  // sequence; ASCII reads the same either way.
  struct PartCounts {
    FileCounts bytes;
    std::optional<FileCounts> utf8;
    bool notUtf8 = false;
  };

  PartCounts FinishPart() {
    if (!started_) Start({});
    PartCounts part;
    part.bytes = bytes_->Finish();
    part.notUtf8 = !tryUtf8_ || utf8Dropped_;
    if (utf8_) {
      utf8_->Finish();
      if (utf8_->decoder.SawInvalid()) part.notUtf8 = true;
      if (!part.notUtf8 && utf8_->decoder.SawMultiByte()) part.utf8 = utf8_->points.Finish();
    }
    return part;
  }

  // The whole text's counts from its parts', read the way Finish reads a whole text: as UTF-8
  // when every part may be UTF-8 and one holds a multi-byte sequence, else byte by byte.
  static FileCounts JoinParts(const std::vector<PartCounts>& parts) {
    const bool utf8 =
        std::none_of(parts.begin(), parts.end(), [](const auto& part) { return part.notUtf8; }) &&
        std::any_of(parts.begin(), parts.end(), [](const auto& part) { return part.utf8; });
    FileCounts whole;
    for (const PartCounts& part : parts) whole += utf8 && part.utf8 ? *part.utf8 : part.bytes;
    return whole;
  }

  FileCounts Finish() {
    if (!started_) Start({});
    if (utf8_) {
      utf8_->Finish();
      if (!utf8_->decoder.SawInvalid() && utf8_->decoder.SawMultiByte()) {
        return utf8_->points.Finish();
      }
    }
    if (decoded_) {
      decoded_->Finish();
      return decoded_->points.Finish();
    }
    return bytes_->Finish();
  }

 private:
  using Points = typename Policy::Points;

  template <class Decoder>
  struct Reading {
    Reading(Decoder d, Points p) : decoder(std::move(d)), points(std::move(p)) {}
    void Feed(std::span<const uint8_t> piece) { decoder.Feed(piece, points); }
    void Finish() { decoder.Finish(points); }
    Decoder decoder;
    Points points;
  };

  std::span<const uint8_t> Start(std::span<const uint8_t> head) {
    started_ = true;
    const TextPlan plan = PlanTextDecoding(head, legacyByteRules_);
    Begin(plan);
    return head.subspan(plan.encoding.bomLength);
  }

  void Begin(const TextPlan& plan) {
    tryUtf8_ = plan.tryUtf8;
    if (plan.encoding.encoding == TextEncoding::Bytes) {
      bytes_.emplace(policy_.MakeBytes());
      // Plain ASCII reads the same either way: the UTF-8 reading starts at the first byte
      // above 0x7F.
      utf8Waits_ = plan.tryUtf8;
    } else {
      decoded_.emplace(TextDecoder(plan.encoding), policy_.MakePoints());
      if (plan.tryUtf8) utf8_.emplace(Utf8Decoder(), policy_.MakePoints());
    }
  }

  Policy policy_;
  bool legacyByteRules_;
  bool started_ = false;
  bool utf8Waits_ = false;
  bool tryUtf8_ = false;
  bool utf8Dropped_ = false;
  std::optional<typename Policy::Bytes> bytes_;
  std::optional<Reading<TextDecoder>> decoded_;
  std::optional<Reading<Utf8Decoder>> utf8_;
};

}  // namespace tw
