#include <gtest/gtest.h>
#include <zip.h>

#include <fstream>

#include "formats/container/CompoundFile.h"
#include "formats/container/ContainerError.h"
#include "formats/container/XmlPart.h"
#include "formats/container/ZipPackage.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::TempDir;

// Writes a ZIP archive holding the given entries.
void WriteZip(const std::string& path,
              const std::vector<std::pair<std::string, std::string>>& entries, bool store = false) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(archive, nullptr);
  for (const auto& [name, data] : entries) {
    zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
    ASSERT_GE(index, 0);
    if (store) zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  ASSERT_EQ(zip_close(archive), 0);
}

TEST(ZipPackage, ReadsEntriesWithoutRegardToCase) {
  TempDir dir;
  const std::string path = dir.Path() / "a.zip";
  WriteZip(path, {{"word/document.xml", "<doc/>"}});
  ZipPackage package(path);
  EXPECT_TRUE(package.Has("word/document.xml"));
  EXPECT_TRUE(package.Has("Word/Document.xml"));
  EXPECT_FALSE(package.Has("word/missing.xml"));
  EXPECT_EQ(package.Read("WORD/document.xml"), "<doc/>");
  EXPECT_THROW(package.Read("word/missing.xml"), ContainerError);
}

TEST(ZipPackage, RefusesWhatIsNoZip) {
  TempDir dir;
  EXPECT_THROW(ZipPackage(dir.Write("a.docx", "plain text, not a package")), ContainerError);
  EXPECT_THROW(ZipPackage(dir.Path() / "missing.docx"), ContainerError);
}

TEST(ZipPackage, StopsInflatingBeyondTheLimits) {
  TempDir dir;
  const std::string path = dir.Path() / "bomb.zip";
  WriteZip(path, {{"big.xml", std::string(size_t{3} << 20, 'a')}});
  ContainerLimits sizeLimit;
  sizeLimit.maxEntryBytes = size_t{1} << 20;
  EXPECT_THROW(ZipPackage(path, sizeLimit).Read("big.xml"), ContainerError);
  ContainerLimits ratioLimit;
  ratioLimit.maxRatio = 100;
  EXPECT_THROW(ZipPackage(path, ratioLimit).Read("big.xml"), ContainerError);
  EXPECT_EQ(ZipPackage(path).Read("big.xml").size(), size_t{3} << 20);
}

// A stored one-entry package with bytes changed at the given offsets of the file.
std::string WritePatchedZip(const TempDir& dir,
                            const std::vector<std::pair<size_t, char>>& patches) {
  const std::string path = dir.Path() / "patched.zip";
  WriteZip(path, {{"part.xml", "<p>abcdefghijklmnop</p>"}}, /*store=*/true);
  std::string bytes = test::ReadFileBytes(path);
  for (const auto& [at, value] : patches) bytes[at] = value;
  return dir.Write("patched.zip", bytes);
}

TEST(ZipPackage, ReadsLocalHeadersThatDisagreeInHarmlessFields) {
  // Offsets in the local header at the start of the file: 6 flags, 10 modification time/date.
  const std::vector<std::pair<size_t, char>> cases[] = {
      {{10, '\x21'}, {11, '\x43'}},
      {{12, '\x65'}, {13, '\x33'}},
      {{6, '\x08'}},
      {{6, '\x02'}, {10, '\x00'}, {11, '\x00'}},
  };
  for (const auto& patches : cases) {
    TempDir dir;
    const std::string path = WritePatchedZip(dir, patches);
    ASSERT_EQ(test::ReadFileBytes(path).substr(0, 4), std::string("PK\3\4"));
    EXPECT_EQ(ZipPackage(path).Read("part.xml"), "<p>abcdefghijklmnop</p>") << patches[0].first;
  }
}

TEST(ZipPackage, DetectsDamagedDataByItsChecksum) {
  TempDir dir;
  const std::string original = dir.Path() / "original.zip";
  WriteZip(original, {{"part.xml", "<p>abcdefghijklmnop</p>"}}, /*store=*/true);
  const size_t at = test::ReadFileBytes(original).find("abcdefgh");
  ASSERT_NE(at, std::string::npos);
  const std::string path = WritePatchedZip(dir, {{at, 'X'}});
  try {
    (void)ZipPackage(path).Read("part.xml");
    ADD_FAILURE() << "damaged data was read";
  } catch (const ContainerError& error) {
    EXPECT_NE(std::string(error.what()).find("damaged"), std::string::npos) << error.what();
  }
}

// The same parts found through ZIP64 records, and behind an archive comment.
TEST(ZipPackage, FindsTheDirectoryThroughZip64RecordsAndComments) {
  const std::string plain =
      ZipPackage(test::FixturePath("word/plain.docx")).Read("word/document.xml");
  EXPECT_EQ(ZipPackage(test::FixturePath("word/zip64.docx")).Read("word/document.xml"), plain);
  TempDir dir;
  std::string bytes = test::ReadFileBytes(test::FixturePath("word/plain.docx"));
  const std::string comment = "a comment that holds PK\5\6 itself";
  bytes[bytes.size() - 2] = static_cast<char>(comment.size());
  EXPECT_EQ(ZipPackage(dir.Write("commented.docx", bytes + comment)).Read("word/document.xml"),
            plain);
}

TEST(ZipPackage, RefusesADamagedDirectory) {
  const std::string whole = test::ReadFileBytes(test::FixturePath("word/zip64.docx"));
  const size_t directory = whole.find("PK\1\2");
  const size_t zip64End = whole.find("PK\6\6");
  ASSERT_NE(directory, std::string::npos);
  ASSERT_NE(zip64End, std::string::npos);
  std::string badEntry = whole;
  badEntry[directory + 2] = 'X';
  std::string badZip64 = whole;
  badZip64[zip64End + 3] = 'X';
  std::string pastTheEnd = whole;
  pastTheEnd[zip64End + 48 + 7] = '\x7f';  // the directory's offset, far beyond the file
  const std::pair<const char*, std::string> cases[] = {
      {"no end record", whole.substr(0, whole.size() - 10)},
      {"entry signature", badEntry},
      {"ZIP64 end record", badZip64},
      {"directory offset", pastTheEnd},
      {"cut in the directory", whole.substr(0, directory + 20) + whole.substr(whole.size() - 98)},
  };
  for (const auto& [name, bytes] : cases) {
    TempDir dir;
    try {
      ZipPackage package(dir.Write("damaged.docx", bytes));
      (void)package.Read("word/document.xml");
      ADD_FAILURE() << name << ": read";
    } catch (const ContainerError& error) {
      EXPECT_NE(std::string(error.what()).find("ZIP"), std::string::npos)
          << name << ": " << error.what();
    }
  }
}

TEST(CompoundFile, RefusesWhatIsNoCompoundFile) {
  TempDir dir;
  EXPECT_THROW(CompoundFile(dir.Write("a.doc", "not a compound file at all")), ContainerError);
  EXPECT_THROW(CompoundFile(dir.Path() / "missing.doc"), ContainerError);
}

TEST(CompoundFile, DamageIsAnErrorForTheFileNotNoiseOnStderr) {
  TempDir dir;
  const std::string whole = test::ReadFileBytes(test::FixturePath("word/plain.doc"));
  bool anyFailed = false;
  for (const size_t keep : {whole.size() * 3 / 10, whole.size() / 2, whole.size() * 7 / 10}) {
    const std::string path = dir.Write("cut.doc", whole.substr(0, keep));
    testing::internal::CaptureStderr();
    try {
      CompoundFile file(path);
      (void)file.ReadStream("WordDocument");
      (void)file.ReadStream("1Table");
    } catch (const ContainerError&) {
      anyFailed = true;
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << keep;
  }
  EXPECT_TRUE(anyFailed);
}

// dual95.ppt: a root "PowerPoint Document" stream and a PP97_DUALSTORAGE storage holding two.
TEST(CompoundFile, NamesReachIntoStorages) {
  const CompoundFile file(test::FixturePath("powerpoint/dual95.ppt"));
  const std::pair<const char*, bool> cases[] = {
      {"PowerPoint Document", true},
      {"PP97_DUALSTORAGE", true},
      {"PP97_DUALSTORAGE/PowerPoint Document", true},
      {"pp97_dualstorage/CURRENT USER", true},
      {"PP97_DUALSTORAGE/Pictures", false},
      {"PowerPoint Document/PowerPoint Document", false},  // a stream holds no streams
      {"Current User", false},
      {"PP97_DUALSTORAGE/", false},
  };
  for (const auto& [name, present] : cases) EXPECT_EQ(file.HasStream(name), present) << name;
  EXPECT_EQ(file.ReadStream("PP97_DUALSTORAGE/Current User").size(), 44u);
  EXPECT_THROW((void)file.ReadStream("PP97_DUALSTORAGE/Pictures"), ContainerError);
}

TEST(XmlPart, RefusesMalformedXmlAndExpandsNoEntities) {
  pugi::xml_document document;
  EXPECT_THROW(ParseXmlPart(document, "<a><b></a>", "part.xml"), ContainerError);
  const std::string withDtd = "<!DOCTYPE a [<!ENTITY e \"expanded\">]><a>&e;&amp;</a>";
  ParseXmlPart(document, withDtd, "part.xml");
  EXPECT_EQ(std::string(document.child("a").text().get()).find("expanded"), std::string::npos);
}

}  // namespace
}  // namespace tw
