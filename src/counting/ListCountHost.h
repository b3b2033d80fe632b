#pragma once

#include "counting/CountHost.h"
#include "counting/CountList.h"

namespace tw {

// A count host over an in-memory count list, with fixed control texts: what the command line
// counts with, and the base of the tests' recording host.
class ListCountHost : public CountHost {
 public:
  ListCountHost(CountList& list, MessageService& messages) : list_(list), messages_(messages) {}

  CountList& List() { return list_; }
  // The texts the rate edit, the currency combo and the pricing combo show.
  void SetControlValues(CurrentValues values) { controls_ = std::move(values); }
  bool CountControlsEnabled() const { return controlsEnabled_; }

  int RowCount() override { return list_.RowCount(); }
  std::string CellText(int row, int column) override { return list_.Cell(row, column); }
  void SetCellText(int row, int column, const std::string& text) override {
    list_.SetCell(row, column, text);
  }
  void SetHeaderText(int column, const std::string& text) override {
    list_.SetHeader(column, text);
  }
  std::string PricingText() override { return controls_.pricing; }
  CurrentValues ControlValues() override { return controls_; }
  void SetCountControlsEnabled(bool enabled) override { controlsEnabled_ = enabled; }
  MessageService& Messages() override { return messages_; }

 private:
  CountList& list_;
  MessageService& messages_;
  CurrentValues controls_;
  bool controlsEnabled_ = true;
};

}  // namespace tw
