// Differential fuzzing of the text scans: every vector path of the byte scan against the scalar
// one, the UTF-8 and HTML window scans against the scans a character or a run at a time, and every
// decoder fed in pieces against the same decoder fed the whole input.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "counting/TextScanBytes.h"
#include "counting/TextScanPolicies.h"
#include "text/TextDecoder.h"
#include "text/Utf8Decoder.h"

namespace {

void CheckBytePaths(std::span<const uint8_t> bytes) {
  for (bool extra : {false, true}) {
    const tw::FileCounts scalar = tw::ScanBytesOn(tw::ByteScanPath::Scalar, bytes, 0, extra);
    for (tw::ByteScanPath path :
         {tw::ByteScanPath::Sse2, tw::ByteScanPath::Avx2, tw::ByteScanPath::Avx512}) {
      if (tw::ByteScanPathAvailable(path) && !(tw::ScanBytesOn(path, bytes, 0, extra) == scalar)) {
        __builtin_trap();
      }
    }
  }
}

// The plain word scan of the input as UTF-8, in pieces, with or without whole windows.
template <bool kWindows>
tw::FileCounts CountUtf8(std::span<const uint8_t> bytes, size_t pieceLength, bool extra) {
  tw::PlainTextPolicy::Points points(tw::WordScanner(extra), extra);
  auto oneByOne = [&points](char32_t cp) { points(cp); };
  tw::Utf8Decoder decoder;
  for (size_t from = 0; from < bytes.size(); from += pieceLength) {
    const auto piece = bytes.subspan(from, std::min(pieceLength, bytes.size() - from));
    if constexpr (kWindows) {
      decoder.Feed(piece, points);
    } else {
      decoder.Feed(piece, oneByOne);
    }
  }
  if constexpr (kWindows) {
    decoder.Finish(points);
  } else {
    decoder.Finish(oneByOne);
  }
  return points.Finish();
}

void CheckUtf8Windows(std::span<const uint8_t> bytes, size_t pieceLength) {
  for (bool extra : {false, true}) {
    if (!(CountUtf8<true>(bytes, pieceLength, extra) ==
          CountUtf8<false>(bytes, pieceLength, extra))) {
      __builtin_trap();
    }
  }
}

void CheckHtmlWindows(std::span<const uint8_t> bytes) {
  const auto count = [bytes](tw::ByteScanPath path) {
    tw::HtmlScanner scanner;
    scanner.UseWindows(path);
    scanner.FeedBytes(bytes.data(), bytes.data() + bytes.size(), tw::BasicPlaneClasses());
    return scanner.Finish();
  };
  const tw::FileCounts runs = count(tw::ByteScanPath::Scalar);
  for (tw::ByteScanPath path : {tw::ByteScanPath::Sse2, tw::ByteScanPath::Avx2}) {
    if (tw::ByteScanPathAvailable(path) && !(count(path) == runs)) __builtin_trap();
  }
}

void CheckUtf8WindowPaths(std::span<const uint8_t> bytes, bool extra) {
  const tw::Utf8BlockScan scan(extra);
  tw::Utf8BlockState sse2;
  tw::Utf8BlockState avx2;
  const size_t taken = scan.ScanOn(tw::ByteScanPath::Sse2, bytes.data(), bytes.size(), sse2);
  if (!tw::ByteScanPathAvailable(tw::ByteScanPath::Avx2)) return;
  if (scan.ScanOn(tw::ByteScanPath::Avx2, bytes.data(), bytes.size(), avx2) != taken ||
      !(avx2.counts == sse2.counts) || avx2.inWord != sse2.inWord) {
    __builtin_trap();
  }
}

std::vector<char32_t> Decode(const tw::DetectedEncoding& encoding, std::span<const uint8_t> bytes,
                             size_t pieceLength) {
  tw::TextDecoder decoder(encoding);
  std::vector<char32_t> out;
  auto sink = [&out](char32_t cp) { out.push_back(cp); };
  for (size_t from = 0; from < bytes.size(); from += pieceLength) {
    decoder.Feed(bytes.subspan(from, std::min(pieceLength, bytes.size() - from)), sink);
  }
  decoder.Finish(sink);
  return out;
}

void CheckDecoderPieces(std::span<const uint8_t> bytes, size_t pieceLength) {
  const tw::DetectedEncoding encodings[] = {
      {tw::TextEncoding::Utf8, 0, {}},
      {tw::TextEncoding::Utf16LE, 0, {}},
      {tw::TextEncoding::Legacy, 0, "Shift_JIS"},
      {tw::TextEncoding::Legacy, 0, "ISO-2022-JP"},
  };
  for (const auto& encoding : encodings) {
    if (Decode(encoding, bytes, bytes.size() + 1) != Decode(encoding, bytes, pieceLength)) {
      __builtin_trap();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::span<const uint8_t> bytes(data + 1, size - 1);
  CheckBytePaths(bytes);
  CheckDecoderPieces(bytes, 1 + data[0] % 8);
  CheckUtf8Windows(bytes, 1 + data[0] * 3);
  CheckHtmlWindows(bytes);
  CheckUtf8WindowPaths(bytes, (data[0] & 1) != 0);
  return 0;
}
