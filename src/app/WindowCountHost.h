#pragma once

#include <functional>
#include <string>

#include "counting/CountHost.h"

class QComboBox;
class QLineEdit;

namespace tw {

class CountListModel;

// The count host over the window itself, for the window thread: cells and headers of the count
// list model, the texts of the rate edit and the two combos, and the window's own reactions to
// the switching of the count controls and to progress. The worker reaches it through GuiCountHost.
class WindowCountHost : public CountHost {
 public:
  struct Parts {
    CountListModel* model = nullptr;
    QLineEdit* rateEdit = nullptr;
    QComboBox* currencyCombo = nullptr;
    QComboBox* pricingCombo = nullptr;
    MessageService* messages = nullptr;
    std::function<void(bool)> switchCountControls;
    std::function<void(const std::string& path, int number, int total)> countingFile;
    std::function<void()> countingFinished;
  };

  explicit WindowCountHost(Parts parts) : parts_(std::move(parts)) {}

  int RowCount() override;
  std::string CellText(int row, int column) override;
  void SetCellText(int row, int column, const std::string& text) override;
  void SetHeaderText(int column, const std::string& text) override;
  std::string PricingText() override;
  CurrentValues ControlValues() override;
  void SetCountControlsEnabled(bool enabled) override;
  MessageService& Messages() override { return *parts_.messages; }
  void CountingFile(const std::string& path, int row, int number, int total) override;
  void CountingFinished() override;

 private:
  Parts parts_;
};

}  // namespace tw
