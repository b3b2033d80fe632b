#include "support/RecordingMessageService.h"

namespace tw::test {

MessageAnswer RecordingMessageService::Show(const std::string& text, MessageButtons buttons,
                                            MessageIcon icon) {
  shown_.push_back({text, buttons, ResolveMessageIcon(buttons, icon)});
  if (!answers_.empty()) {
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
      return MessageAnswer::Yes;
  }
  return MessageAnswer::Ok;
}

std::vector<std::string> RecordingMessageService::Texts() const {
  std::vector<std::string> texts;
  for (const Shown& box : shown_) texts.push_back(box.text);
  return texts;
}

}  // namespace tw::test
