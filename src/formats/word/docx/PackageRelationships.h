#pragma once

#include <map>
#include <string>
#include <vector>

namespace tw {

class ZipPackage;

// The relationships of one part of an Open Packaging package: id -> (type, resolved part name).
// External targets are left out.
class PackageRelationships {
 public:
  struct Relationship {
    std::string type;
    std::string partName;  // without a leading "/", as ZIP entries are named
  };

  // Reads the relationships of `sourcePart` ("" for the package itself). A part without
  // relationships has none; damaged relationship XML throws ContainerError.
  static PackageRelationships Read(ZipPackage& package, const std::string& sourcePart);

  const Relationship* Find(const std::string& id) const;
  // The first relationship whose type ends in "/" + `typeTail` (transitional and strict types).
  const Relationship* FindByType(const std::string& typeTail) const;
  // Every relationship of that type, in the order of their ids.
  std::vector<const Relationship*> FindAllByType(const std::string& typeTail) const;

 private:
  std::map<std::string, Relationship> byId_;
};

// Resolves a relationship target against the part that names it ("word/document.xml" +
// "media/a.png" -> "word/media/a.png"; "/word/x.xml" -> "word/x.xml"; ".." steps up).
std::string ResolvePartName(const std::string& sourcePart, const std::string& target);

}  // namespace tw
