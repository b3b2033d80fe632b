#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "counting/CountTotals.h"

namespace tw {

// The byte-table scan runs on the widest vector unit the processor has; every path gives the
// same counts, which the tests and the fuzzer hold them to. The UTF-8 and HTML window scans run
// their AVX2 kernel on the AVX-512 path.
enum class ByteScanPath { Scalar, Sse2, Avx2, Avx512 };

bool ByteScanPathAvailable(ByteScanPath path);
// The widest path the processor has: SSE2 on every x86-64 processor, AVX2 or AVX-512 (with its
// byte instructions) where it is there.
ByteScanPath WidestByteScanPath();

// The scan of `bytes` that continue with `next`, on the given path (which must be available).
FileCounts ScanBytesOn(ByteScanPath path, std::span<const uint8_t> bytes, uint8_t next,
                       bool extraSymbolsAsWords);

// The AVX2 block scan of p[0, n); returns how many bytes it did.
size_t ScanBytesAvx2(const uint8_t* p, size_t n, bool extraSymbolsAsWords, FileCounts& counts);
// The AVX-512 one.
size_t ScanBytesAvx512(const uint8_t* p, size_t n, bool extraSymbolsAsWords, FileCounts& counts);

}  // namespace tw
