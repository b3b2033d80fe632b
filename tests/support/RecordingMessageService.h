#pragma once

#include <deque>
#include <string>
#include <vector>

#include "counting/MessageService.h"

namespace tw::test {

// Records every message box and answers with scripted answers (then with Ok / Yes).
class RecordingMessageService : public MessageService {
 public:
  struct Shown {
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
  };

  MessageAnswer Show(const std::string& text, MessageButtons buttons, MessageIcon icon) override;

  void ScriptAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  const std::vector<Shown>& Boxes() const { return shown_; }
  std::vector<std::string> Texts() const;

 private:
  std::vector<Shown> shown_;
  std::deque<MessageAnswer> answers_;
};

}  // namespace tw::test
