#include "app/WindowCountHost.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/CountListModel.h"

namespace tw {
namespace {

std::string Utf8(const QString& text) {
  return text.toStdString();
}

}  // namespace

int WindowCountHost::RowCount() {
  return parts_.model->Rows();
}

std::string WindowCountHost::CellText(int row, int column) {
  if (row < 0 || row >= parts_.model->Rows() || column < 0 || column >= kCountColumnCount) {
    return {};
  }
  return parts_.model->Cell(row, column);
}

void WindowCountHost::SetCellText(int row, int column, const std::string& text) {
  parts_.model->SetCell(row, column, text);
}

void WindowCountHost::SetHeaderText(int column, const std::string& text) {
  parts_.model->SetHeader(column, text);
}

std::string WindowCountHost::PricingText() {
  return Utf8(parts_.pricingCombo->currentText());
}

CurrentValues WindowCountHost::ControlValues() {
  return {Utf8(parts_.rateEdit->text()), Utf8(parts_.currencyCombo->currentText()),
          Utf8(parts_.pricingCombo->currentText())};
}

void WindowCountHost::SetCountControlsEnabled(bool enabled) {
  if (parts_.switchCountControls) parts_.switchCountControls(enabled);
}

void WindowCountHost::CountingFile(const std::string& path, int row, int number, int total) {
  (void)row;
  if (parts_.countingFile) parts_.countingFile(path, number, total);
}

void WindowCountHost::CountingFinished() {
  if (parts_.countingFinished) parts_.countingFinished();
}

}  // namespace tw
