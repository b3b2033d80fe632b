#include "formats/epub/EpubReader.h"

#include <array>
#include <cstdlib>
#include <map>
#include <pugixml.hpp>
#include <string_view>
#include <vector>

#include "formats/common/MarkupText.h"
#include "formats/common/ReaderEntry.h"
#include "formats/common/XmlNodes.h"
#include "formats/container/XmlPart.h"
#include "formats/container/ZipPackage.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

bool IsBlockElement(std::string_view local) {
  static constexpr std::array<std::string_view, 22> kBlocks = {
      "p",  "div", "h1", "h2",         "h3",     "h4",    "h5",      "h6",
      "li", "td",  "th", "blockquote", "pre",    "br",    "section", "article",
      "tr", "dt",  "dd", "figcaption", "header", "footer"};
  for (const std::string_view block : kBlocks) {
    if (block == local) return true;
  }
  return false;
}

// Hrefs in a package are URLs: "%20" stands for a space.
std::string PercentDecoded(std::string_view href) {
  std::string out;
  for (size_t i = 0; i < href.size(); ++i) {
    if (href[i] == '%' && i + 2 < href.size()) {
      const std::string hex(href.substr(i + 1, 2));
      char* end = nullptr;
      const long value = std::strtol(hex.c_str(), &end, 16);
      if (end == hex.c_str() + 2) {
        out += static_cast<char>(value);
        i += 2;
        continue;
      }
    }
    out += href[i];
  }
  return out;
}

// As a browser shows it: each run of white space one blank, none at the start or end of a line.
void AppendCollapsed(std::string_view text, std::string& out) {
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
      out += c;
    } else if (!out.empty() && out.back() != ' ' && out.back() != '\n') {
      out += ' ';
    }
  }
}

void EndLine(std::string& out) {
  while (out.ends_with(' ')) out.pop_back();
  if (!out.empty() && !out.ends_with('\n')) out += '\n';
}

std::string FolderOf(const std::string& part) {
  const size_t slash = part.rfind('/');
  return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

class EpubBuilder {
 public:
  explicit EpubBuilder(const std::string& path) : package_(path) {}

  Document Build() {
    const std::string opf = RootFile();
    pugi::xml_document xml;
    const pugi::xml_node package = Load(xml, opf);
    std::map<std::string, std::string, std::less<>> manifest;
    for (pugi::xml_node item : ChildElement(package, "manifest").children()) {
      if (!IsElement(item, "item")) continue;
      manifest[item.attribute("id").value()] =
          FolderOf(opf) + PercentDecoded(item.attribute("href").value());
    }
    Document document;
    for (pugi::xml_node itemref : ChildElement(package, "spine").children()) {
      const auto item = manifest.find(itemref.attribute("idref").value());
      if (item == manifest.end() || !package_.Has(item->second)) continue;
      std::string text = ChapterText(item->second);
      if (!text.empty()) document.Add(PieceKind::Block, Utf8ToUtf16(text));
    }
    return document;
  }

 private:
  pugi::xml_node Load(pugi::xml_document& xml, const std::string& part) {
    if (!package_.Has(part)) throw ContainerError(part + " is missing");
    ParseXmlPart(xml, package_.Read(part), part, true);
    return xml.document_element();
  }

  std::string RootFile() {
    pugi::xml_document xml;
    const pugi::xml_node container = Load(xml, "META-INF/container.xml");
    const pugi::xml_node rootfile = ChildElement(ChildElement(container, "rootfiles"), "rootfile");
    const std::string path = rootfile.attribute("full-path").value();
    if (path.empty()) throw ContainerError("the book names no package document");
    return path;
  }

  std::string ChapterText(const std::string& part) {
    pugi::xml_document xml;
    const pugi::xml_node html = Load(xml, part);
    std::string text;
    depth_ = 0;
    AppendText(ChildElement(html, "body"), text);
    EndLine(text);
    return text;
  }

  void AppendText(pugi::xml_node node, std::string& out) {
    const DepthGuard guard(depth_, limits_.maxXmlDepth);
    for (pugi::xml_node child : node.children()) {
      if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
        // Named references an XHTML file may use without a DTD arrive undecoded.
        AppendCollapsed(DecodedCharacterReferences(child.value()), out);
        continue;
      }
      if (child.type() != pugi::node_element) continue;
      const std::string_view local = LocalName(child.name());
      if (local == "script" || local == "style") continue;
      const bool block = IsBlockElement(local);
      if (block) EndLine(out);
      AppendText(child, out);
      if (block) EndLine(out);
    }
  }

  ContainerLimits limits_;
  ZipPackage package_;
  int depth_ = 0;
};

}  // namespace

ReadResult ReadEpub(const std::string& path) {
  return ReadGuarded(path, "The e-book cannot be read:", [&] { return EpubBuilder(path).Build(); });
}

}  // namespace tw
