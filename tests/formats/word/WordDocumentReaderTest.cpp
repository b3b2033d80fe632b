#include <gsf/gsf.h>
#include <gtest/gtest.h>

#include "automation/AutomationError.h"
#include "formats/word/WordDocumentReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::TempDir;

// Writes a compound file holding the named streams, as an encrypting word processor stores a
// password-protected package.
std::string WriteCompoundFile(const TempDir& dir, const std::vector<std::string>& streams) {
  gsf_init();
  const std::string path = (dir.Path() / "locked.docx").string();
  GsfOutput* file = gsf_output_stdio_new(path.c_str(), nullptr);
  GsfOutfile* ole = gsf_outfile_msole_new(file);
  const std::string payload(600, 'x');
  for (const std::string& name : streams) {
    GsfOutput* stream = gsf_outfile_new_child(ole, name.c_str(), FALSE);
    gsf_output_write(stream, payload.size(), reinterpret_cast<const guint8*>(payload.data()));
    gsf_output_close(stream);
    g_object_unref(stream);
  }
  gsf_output_close(GSF_OUTPUT(ole));
  g_object_unref(ole);
  gsf_output_close(file);
  g_object_unref(file);
  return path;
}

std::string DescriptionOfFailure(const std::string& path) {
  try {
    ReadWordDocument(path);
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Source(), "Word");
    return error.Description();
  }
  return "(opened)";
}

TEST(WordDocumentReader, AnEncryptedPackageIsReportedAsPasswordProtected) {
  TempDir dir;
  const std::string path = WriteCompoundFile(dir, {"EncryptionInfo", "EncryptedPackage"});
  EXPECT_NE(DescriptionOfFailure(path).find("password-protected"), std::string::npos)
      << DescriptionOfFailure(path);
}

TEST(WordDocumentReader, FormatIsToldByContentNotByName) {
  TempDir dir;
  const std::string bytes = test::ReadFileBytes(FixturePath("word/plain.docx"));
  const WordDocument document = ReadWordDocument(dir.Write("renamed.doc", bytes));
  EXPECT_EQ(document.mainText.substr(0, 9), u"The quick");
  EXPECT_NE(DescriptionOfFailure(dir.Write("text.rtf", "plain text, no rich text header"))
                .find("not a Word document"),
            std::string::npos);
}

}  // namespace
}  // namespace tw
