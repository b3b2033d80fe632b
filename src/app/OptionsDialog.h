#pragma once

#include <QDialog>

#include "counting/CountOptions.h"

class QCheckBox;
class QComboBox;
class QVBoxLayout;

namespace tw {

// "Options": the switches over the window's count options, three rules and the five kinds of
// content left out by default. A click takes effect at once, so "Close", Escape and the close
// box all simply end the dialog.
class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  OptionsDialog(CountOptions& options, QWidget* parent = nullptr);

  QCheckBox* HeadersAndFooters() const { return headersAndFooters_; }
  QCheckBox* ExtraSymbols() const { return extraSymbols_; }
  QCheckBox* LegacyByteRules() const { return legacyBytes_; }
  QCheckBox* Notes() const { return notes_; }
  QCheckBox* Comments() const { return comments_; }
  QCheckBox* Charts() const { return charts_; }
  QCheckBox* Diagrams() const { return diagrams_; }
  QCheckBox* Hidden() const { return hidden_; }
  QComboBox* Profile() const { return profile_; }

 private:
  QCheckBox* AddSwitch(QVBoxLayout* layout, const QString& caption, const QString& tip, int id,
                       bool& option);
  void AddRuleSwitches(QVBoxLayout* layout);
  void AddContentSwitches(QVBoxLayout* layout);
  void AddProfileChoice(QVBoxLayout* layout);

  CountOptions& options_;
  QCheckBox* headersAndFooters_ = nullptr;
  QCheckBox* extraSymbols_ = nullptr;
  QCheckBox* legacyBytes_ = nullptr;
  QCheckBox* notes_ = nullptr;
  QCheckBox* comments_ = nullptr;
  QCheckBox* charts_ = nullptr;
  QCheckBox* diagrams_ = nullptr;
  QCheckBox* hidden_ = nullptr;
  QComboBox* profile_ = nullptr;
};

}  // namespace tw
