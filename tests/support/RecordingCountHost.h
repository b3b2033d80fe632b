#pragma once

#include <string>
#include <vector>

#include "counting/ListCountHost.h"
#include "support/RecordingMessageService.h"

namespace tw::test {

// A count host over an in-memory list that also logs, in order, every cell and header write,
// every switch of the count controls and every message, as "cell 0 1 = 12", "header 1 = Words: 3",
// "controls off", "controls on", "message Couldn't open file: x".
class RecordingCountHost : public ListCountHost {
 public:
  RecordingCountHost() : ListCountHost(list_, messages_), logging_(*this) {}

  void SetCellText(int row, int column, const std::string& text) override {
    log.push_back("cell " + std::to_string(row) + " " + std::to_string(column) + " = " + text);
    ListCountHost::SetCellText(row, column, text);
  }
  void SetHeaderText(int column, const std::string& text) override {
    log.push_back("header " + std::to_string(column) + " = " + text);
    ListCountHost::SetHeaderText(column, text);
  }
  void SetCountControlsEnabled(bool enabled) override {
    log.push_back(enabled ? "controls on" : "controls off");
    ListCountHost::SetCountControlsEnabled(enabled);
  }
  MessageService& Messages() override { return logging_; }

  // Adds a row as the count list's add operations do.
  void AddFile(const std::string& path, const std::string& currency = "USD",
               const std::string& rate = "0.01") {
    list_.AppendRow({path, "", "", "", currency, rate, ""});
  }

  RecordingMessageService& Recorded() { return messages_; }
  std::vector<std::string> log;

 private:
  // Logs each message before the recording service answers it.
  class LoggingMessages : public MessageService {
   public:
    explicit LoggingMessages(RecordingCountHost& host) : host_(host) {}
    MessageAnswer Show(const std::string& text, MessageButtons buttons, MessageIcon icon) override {
      host_.log.push_back("message " + text);
      return host_.messages_.Show(text, buttons, icon);
    }

   private:
    RecordingCountHost& host_;
  };

  CountList list_;
  RecordingMessageService messages_;
  LoggingMessages logging_;
};

}  // namespace tw::test
