#include "formats/container/CompoundFile.h"

#include "formats/common/LoadableModule.h"
#include "formats/container/ContainerError.h"

namespace tw {
namespace {

const CompoundFileModule& Module() {
  static const LoadableModule module("tallywright-compound");
  static const CompoundFileModule& table =
      module.EntryTable<CompoundFileModule>("tw_compound_file_module");
  return table;
}

const CompoundFileModule& LoadedModule() {
  try {
    return Module();
  } catch (const ModuleMissing& missing) {
    throw ContainerError(std::string("cannot read compound files: ") + missing.what());
  }
}

}  // namespace

CompoundFile::CompoundFile(const std::string& path, ContainerLimits limits)
    : source_(LoadedModule().open(path)), limits_(limits) {}

}  // namespace tw
