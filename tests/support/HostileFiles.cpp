#include "support/HostileFiles.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace tw::test {
namespace {

void Require(bool done, const char* what) {
  if (!done) throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

struct ZipEntry {
  std::string name;
  std::string data;  // as stored: raw deflate when `deflated`
  bool deflated = false;
  uint32_t crc = 0;
  uint32_t declaredSize = 0;
};

ZipEntry StoredEntry(const std::string& name, const std::string& text) {
  const auto* bytes = reinterpret_cast<const Bytef*>(text.data());
  return {name, text, false, static_cast<uint32_t>(crc32(0, bytes, static_cast<uInt>(text.size()))),
          static_cast<uint32_t>(text.size())};
}

// Header fields shared by the local and the central header, from "version needed" on.
std::string CommonHeader(const ZipEntry& entry) {
  std::string out;
  Put16(out, 20);
  Put16(out, 0);
  Put16(out, entry.deflated ? 8 : 0);
  Put16(out, 0);
  Put16(out, 0x21);  // 1980-01-01
  Put32(out, entry.crc);
  Put32(out, static_cast<uint32_t>(entry.data.size()));
  Put32(out, entry.declaredSize);
  Put16(out, static_cast<unsigned>(entry.name.size()));
  Put16(out, 0);
  return out;
}

std::string ZipArchive(const std::vector<ZipEntry>& entries) {
  std::string archive;
  std::string central;
  for (const ZipEntry& entry : entries) {
    const auto offset = static_cast<uint32_t>(archive.size());
    Put32(archive, 0x04034b50);
    archive += CommonHeader(entry) + entry.name + entry.data;
    Put32(central, 0x02014b50);
    Put16(central, 20);
    central += CommonHeader(entry);
    Put16(central, 0);
    Put16(central, 0);
    Put16(central, 0);
    Put32(central, 0);
    Put32(central, offset);
    central += entry.name;
  }
  const auto centralOffset = static_cast<uint32_t>(archive.size());
  archive += central;
  Put32(archive, 0x06054b50);
  Put32(archive, 0);
  Put16(archive, static_cast<unsigned>(entries.size()));
  Put16(archive, static_cast<unsigned>(entries.size()));
  Put32(archive, static_cast<uint32_t>(central.size()));
  Put32(archive, centralOffset);
  Put16(archive, 0);
  return archive;
}

// Raw deflate of one MiB of zeros ending in a full flush: the stream starts afresh after it,
// so the same bytes repeated inflate to as many MiB.
std::string DeflatedZeroMebibyte(z_stream& stream) {
  std::vector<Bytef> zeros(size_t{1} << 20, 0);
  std::string out(zeros.size(), '\0');
  stream.next_in = zeros.data();
  stream.avail_in = static_cast<uInt>(zeros.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  Require(deflate(&stream, Z_FULL_FLUSH) == Z_OK && stream.avail_in == 0, "deflate");
  out.resize(out.size() - stream.avail_out);
  return out;
}

std::string DeflateEnd(z_stream& stream) {
  std::string out(64, '\0');
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  Require(deflate(&stream, Z_FINISH) == Z_STREAM_END, "deflate end");
  out.resize(out.size() - stream.avail_out);
  return out;
}

ZipEntry ZeroBombEntry(const std::string& name, uint64_t mebibytes, bool lyingSizes) {
  z_stream stream{};
  Require(deflateInit2(&stream, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) == Z_OK, "deflate");
  DeflatedZeroMebibyte(stream);
  const std::string block = DeflatedZeroMebibyte(stream);
  ZipEntry entry{name, {}, true, 0, 0};
  entry.data.reserve(block.size() * mebibytes + 64);
  for (uint64_t i = 0; i < mebibytes; ++i) entry.data += block;
  entry.data += DeflateEnd(stream);
  deflateEnd(&stream);

  const std::vector<Bytef> zeros(size_t{1} << 20, 0);
  const uLong mebibyteCrc = crc32(0, zeros.data(), static_cast<uInt>(zeros.size()));
  uLong crc = mebibyteCrc;
  for (uint64_t i = 1; i < mebibytes; ++i) crc = crc32_combine(crc, mebibyteCrc, 1 << 20);
  entry.crc = static_cast<uint32_t>(crc);
  entry.declaredSize = lyingSizes ? 100 : static_cast<uint32_t>(mebibytes << 20);
  return entry;
}

constexpr char kContentTypes[] =
    R"(<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(</Types>)";
constexpr char kPackageRels[] =
    R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="r1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(</Relationships>)";

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  Require(static_cast<bool>(out), "write");
}

}  // namespace

void MakeFifo(const std::string& path) {
  Require(::mkfifo(path.c_str(), 0600) == 0, "mkfifo");
}

BoundSocket::BoundSocket(const std::string& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
  Require(fd_ >= 0, "socket");
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  Require(path.size() < sizeof address.sun_path, "socket path length");
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  Require(::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0, "bind");
  Require(::listen(fd_, 1) == 0, "listen");
}

BoundSocket::~BoundSocket() {
  if (fd_ >= 0) ::close(fd_);
}

void MakeSparseFile(const std::string& path, uint64_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  Require(fd >= 0, "open");
  const bool sized = ::ftruncate(fd, static_cast<off_t>(size)) == 0;
  ::close(fd);
  Require(sized, "ftruncate");
}

void MakeZipBombDocx(const std::string& path, uint64_t inflatedBytes, bool lyingSizes) {
  WriteBytes(path,
             ZipArchive({StoredEntry("[Content_Types].xml", kContentTypes),
                         StoredEntry("_rels/.rels", kPackageRels),
                         ZeroBombEntry("word/document.xml", inflatedBytes >> 20, lyingSizes)}));
}

std::string EmptyPagesPdf(int pages) {
  std::string pdf = "%PDF-1.4\n";
  std::vector<size_t> offsets;
  const auto object = [&](const std::string& body) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
  };
  object("<< /Type /Catalog /Pages 2 0 R >>");
  std::string kids;
  for (int page = 0; page < pages; ++page) kids += std::to_string(page + 3) + " 0 R ";
  object("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>");
  for (int page = 0; page < pages; ++page) {
    object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>");
  }
  const size_t table = pdf.size();
  pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
  char entry[32];
  for (size_t offset : offsets) {
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    pdf += entry;
  }
  pdf += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) +
         " /Root 1 0 R >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
  return pdf;
}

std::string NestedXml(int depth, const std::string& element) {
  std::string xml;
  xml.reserve(static_cast<size_t>(depth) * (2 * element.size() + 5));
  for (int i = 0; i < depth; ++i) xml += "<" + element + ">";
  xml += "deep";
  for (int i = 0; i < depth; ++i) xml += "</" + element + ">";
  return xml;
}

void MakeDocxWithBody(const std::string& path, const std::string& documentXml) {
  WriteBytes(path, ZipArchive({StoredEntry("[Content_Types].xml", kContentTypes),
                               StoredEntry("_rels/.rels", kPackageRels),
                               StoredEntry("word/document.xml", documentXml)}));
}

std::string BillionLaughsXml(const std::string& root) {
  std::string xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE " + root + " [\n<!ENTITY lol0 \"lol \">\n";
  for (int level = 1; level <= 9; ++level) {
    xml += "<!ENTITY lol" + std::to_string(level) + " \"";
    for (int i = 0; i < 10; ++i) xml += "&lol" + std::to_string(level - 1) + ";";
    xml += "\">\n";
  }
  return xml + "]>\n<" + root + ">&lol9;</" + root + ">\n";
}

}  // namespace tw::test
