#pragma once

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ucsdet.h>

namespace tw {

// ICU's code page converters and charset detector, bound the first time a text needs one. The
// reader helper starts for every batch of documents, and most documents (the XML formats, UTF-8
// text) never need a code page, so its start does not pay for mapping and relocating ICU's
// libraries; a program that has ICU loaded already binds to the copy it has.
struct IcuConversion {
  decltype(&ucnv_open) open;
  decltype(&ucnv_close) close;
  decltype(&ucnv_reset) reset;
  decltype(&ucnv_toUnicode) toUnicode;
  decltype(&ucnv_setToUCallBack) setToUCallBack;
  decltype(&ucnv_cbToUWriteUChars) writeUnitsFromCallback;
  decltype(&ucsdet_open) openDetector;
  decltype(&ucsdet_close) closeDetector;
  decltype(&ucsdet_setText) setDetectorText;
  decltype(&ucsdet_detect) detect;
  decltype(&ucsdet_getName) matchName;
  decltype(&ucsdet_getConfidence) matchConfidence;
};

// The bound functions, or nullptr when ICU's libraries cannot be loaded; then no code page can be
// converted and no charset detected, which the callers already live with.
const IcuConversion* BoundIcuConversion();

}  // namespace tw
