#pragma once

#include <string>

namespace tw {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { ByButtons, None, Exclamation, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Every message box of the system goes through this seam: the window shows a real box, the
// command line prints to stderr, tests record the text and script the answer.
class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual MessageAnswer Show(const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                             MessageIcon icon = MessageIcon::ByButtons) = 0;
};

// A box whose caller names no icon gets one chosen by its buttons: exclamation for a plain OK,
// question for the two questions.
MessageIcon ResolveMessageIcon(MessageButtons buttons, MessageIcon icon);

}  // namespace tw
