#include "counting/MessageService.h"

namespace tw {

MessageIcon ResolveMessageIcon(MessageButtons buttons, MessageIcon icon) {
  if (icon != MessageIcon::ByButtons) return icon;
  return buttons == MessageButtons::Ok ? MessageIcon::Exclamation : MessageIcon::Question;
}

}  // namespace tw
