// Throughput of the text and HTML scanners over generated text.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "counting/TextScan.h"

namespace {

// Words of 1-12 letters separated by blanks, with some punctuation and line breaks.
std::string GeneratedText(size_t bytes, bool withMarkup, bool withUtf8) {
  std::mt19937 random(12345);
  std::string text;
  text.reserve(bytes + 64);
  while (text.size() < bytes) {
    const int length = 1 + static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i) text += static_cast<char>('a' + random() % 26);
    if (withUtf8 && random() % 8 == 0) text += "\xD0\xB6";  // a Cyrillic letter
    switch (random() % 16) {
      case 0:
        text += ", ";
        break;
      case 1:
        text += ".\n";
        break;
      case 2:
        text += withMarkup ? " <b>" : " ";
        break;
      case 3:
        text += withMarkup ? "&amp; " : "; ";
        break;
      default:
        text += ' ';
    }
  }
  return text;
}

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

void BM_PlainTextAscii(benchmark::State& state) {
  const std::string text = GeneratedText(size_t{64} << 20, false, false);
  for (auto _ : state) benchmark::DoNotOptimize(tw::ScanPlainText(Bytes(text), {}));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_PlainTextAscii)->Unit(benchmark::kMillisecond);

void BM_PlainTextUtf8(benchmark::State& state) {
  const std::string text = GeneratedText(size_t{16} << 20, false, true);
  for (auto _ : state) benchmark::DoNotOptimize(tw::ScanPlainText(Bytes(text), {}));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_PlainTextUtf8)->Unit(benchmark::kMillisecond);

void BM_Html(benchmark::State& state) {
  const std::string text = GeneratedText(size_t{16} << 20, true, false);
  for (auto _ : state) benchmark::DoNotOptimize(tw::ScanHtml(Bytes(text), false));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Html)->Unit(benchmark::kMillisecond);

}  // namespace
