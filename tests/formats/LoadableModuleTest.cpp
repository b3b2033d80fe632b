#include <gtest/gtest.h>

#include <string>

#include "formats/common/LoadableModule.h"
#include "formats/container/CompoundFile.h"
#include "formats/container/ContainerError.h"

namespace tw {
namespace {

TEST(LoadableModuleTest, AMissingModuleSaysWhereItLooked) {
  try {
    const LoadableModule module("tallywright-no-such-module");
    FAIL() << "a module that is nowhere loaded";
  } catch (const ModuleMissing& missing) {
    const std::string message = missing.what();
    EXPECT_NE(message.find("libtallywright-no-such-module.so is missing"), std::string::npos)
        << message;
    EXPECT_NE(message.find("looked in /"), std::string::npos) << message;
  }
}

TEST(LoadableModuleTest, AModuleWithoutTheEntryIsRefused) {
  const LoadableModule module("tallywright-pdf");
  EXPECT_THROW(module.EntryTable<int>("tw_compound_file_module"), ModuleMissing);
}

// The compound-file module's own failures reach the reader as container errors, as before the
// library moved into a module.
TEST(LoadableModuleTest, ModuleErrorsStayContainerErrors) {
  EXPECT_THROW(CompoundFile(TW_FIXTURES_DIR "/text/english.txt"), ContainerError);
  EXPECT_THROW(CompoundFile(TW_FIXTURES_DIR "/no/such/file.doc"), ContainerError);
}

}  // namespace
}  // namespace tw
