#pragma once

#include <QDialog>

#include "counting/CountOptions.h"

class QCheckBox;

namespace tw {

// "Options": three switches over the window's count options. A click takes effect at once, so
// "Close", Escape and the close box all simply end the dialog.
class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  OptionsDialog(CountOptions& options, QWidget* parent = nullptr);

  QCheckBox* HeadersAndFooters() const { return headersAndFooters_; }
  QCheckBox* ExtraSymbols() const { return extraSymbols_; }
  QCheckBox* LegacyByteRules() const { return legacyBytes_; }

 private:
  QCheckBox* AddSwitch(const QString& caption, int id, bool& option);

  CountOptions& options_;
  QCheckBox* headersAndFooters_;
  QCheckBox* extraSymbols_;
  QCheckBox* legacyBytes_;
};

}  // namespace tw
