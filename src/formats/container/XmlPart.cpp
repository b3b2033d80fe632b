#include "formats/container/XmlPart.h"

#include "formats/container/ContainerError.h"

namespace tw {

void ParseXmlPart(pugi::xml_document& document, const std::string& text,
                  const std::string& partName) {
  // Whitespace-only text nodes matter (a run holding a single blank), so they are kept.
  const unsigned options = pugi::parse_default | pugi::parse_ws_pcdata_single;
  const pugi::xml_parse_result result =
      document.load_buffer(text.data(), text.size(), options, pugi::encoding_utf8);
  if (!result) {
    throw ContainerError("damaged XML in " + partName + " (" + result.description() + ")");
  }
}

}  // namespace tw
