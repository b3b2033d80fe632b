#include "formats/container/XmlPart.h"

#include "formats/container/ContainerError.h"

namespace tw {

void ParseXmlPart(pugi::xml_document& document, const std::string& text,
                  const std::string& partName, bool keepBlankText) {
  // Whitespace-only text nodes matter (a run holding a single blank), so they are kept.
  // (pugixml drops blank nodes between elements when both flags are given, so only one is.)
  const unsigned options =
      pugi::parse_default | (keepBlankText ? pugi::parse_ws_pcdata : pugi::parse_ws_pcdata_single);
  const pugi::xml_parse_result result =
      document.load_buffer(text.data(), text.size(), options, pugi::encoding_utf8);
  if (!result) {
    throw ContainerError("damaged XML in " + partName + " (" + result.description() + ")");
  }
}

}  // namespace tw
