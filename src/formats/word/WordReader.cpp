#include "formats/word/WordReader.h"

#include <filesystem>
#include <fstream>

#include "formats/ReadResult.h"
#include "formats/container/CompoundFile.h"
#include "formats/container/ContainerError.h"
#include "formats/opendocument/OdfPackage.h"
#include "formats/opendocument/OdtReader.h"
#include "formats/word/doc/DocReader.h"
#include "formats/word/docx/DocxReader.h"
#include "formats/word/rtf/RtfReader.h"
#include "text/RegularFile.h"

namespace tw {
namespace {

enum class WordFormat { Unknown, ZipPackage, CompoundFile, RichText, Word2, Word1 };

std::string LeadingBytes(const std::string& path, size_t count) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw ReaderError("The file could not be opened: " + path + " (" +
                      RegularFile::OpenFailureReason(path) + ")");
  }
  std::string bytes(count, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

WordFormat FormatOf(const std::string& leading) {
  if (leading.starts_with("PK\x03\x04")) return WordFormat::ZipPackage;
  if (leading.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return WordFormat::CompoundFile;
  if (leading.starts_with("{\\rtf")) return WordFormat::RichText;
  // Word for Windows 1.x and 2.0 wrote their documents as plain streams, not compound files.
  if (leading.starts_with("\xDB\xA5")) return WordFormat::Word2;
  if (leading.starts_with("\x9B\xA5") || leading.starts_with("\x9C\xA5")) return WordFormat::Word1;
  return WordFormat::Unknown;
}

// An encrypted Office Open XML document is stored as a compound file holding the encrypted
// package; say so rather than calling it damaged.
void RejectEncryptedPackage(const std::string& path) {
  try {
    const CompoundFile file(path);
    if (file.HasStream("EncryptedPackage")) {
      throw ReaderError("The document is password-protected: " + path);
    }
  } catch (const ContainerError&) {
    // Left to the .doc reader, which says what is wrong with the compound file.
  }
}

Document ReadByContent(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    throw ReaderError("The file could not be found: " + path);
  }
  switch (FormatOf(LeadingBytes(path, 8))) {
    case WordFormat::ZipPackage:
      if (IsOpenDocumentPackage(path)) return ReadOdtDocument(path);
      return ReadDocxDocument(path);
    case WordFormat::CompoundFile:
      RejectEncryptedPackage(path);
      return ReadDocDocument(path);
    case WordFormat::RichText:
      return ReadRtfDocument(path);
    case WordFormat::Word2:
      throw ReaderError("The document was saved in Word 2.0, which is not supported: " + path);
    case WordFormat::Word1:
      throw ReaderError("The document was saved in Word for Windows 1.0, which is not supported: " +
                        path);
    case WordFormat::Unknown:
      if (IsFlatOpenDocument(path)) return ReadOdtDocument(path);
      break;
  }
  throw ReaderError("The file is not a Word document: " + path);
}

}  // namespace

ReadResult ReadWordDocument(const std::string& path) {
  try {
    return ReadByContent(path);
  } catch (const ReaderError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return ReaderError("The document is too large to open: " + path);
  } catch (const std::exception& error) {
    // Whatever else a library lets escape is still this one file's fault, told in its words.
    return ReaderError(error.what());
  }
}

}  // namespace tw
