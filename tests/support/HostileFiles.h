#pragma once

// Makers of the inputs a counter meets in the wild and must survive: special files, files
// that lie about their size, and documents built to exhaust memory, time or stack.
#include <cstdint>
#include <string>

namespace tw::test {

// A FIFO at `path` (no writer ever opens it).
void MakeFifo(const std::string& path);
// A listening Unix socket bound at `path`; the socket stays open while the object lives.
class BoundSocket {
 public:
  explicit BoundSocket(const std::string& path);
  ~BoundSocket();
  BoundSocket(const BoundSocket&) = delete;
  BoundSocket& operator=(const BoundSocket&) = delete;

 private:
  int fd_ = -1;
};
// A file of `size` bytes that holds no data blocks at all.
void MakeSparseFile(const std::string& path, uint64_t size);

// A Word package whose main part inflates to `inflatedBytes` zeros from about a thousandth of
// that; with `lyingSizes` its headers claim the part is 100 bytes long.
void MakeZipBombDocx(const std::string& path, uint64_t inflatedBytes, bool lyingSizes);
// `depth` elements inside one another, as a Word package's main part or as plain XML text.
std::string NestedXml(int depth, const std::string& element);
void MakeDocxWithBody(const std::string& path, const std::string& documentXml);
// A PDF of `pages` pages without content, each its own object in one flat page tree.
std::string EmptyPagesPdf(int pages);
// The classic entity expansion: ten levels of ten references each.
std::string BillionLaughsXml(const std::string& root);

}  // namespace tw::test
