#pragma once

#include <QGroupBox>

#include "counting/CountOptions.h"

class QCheckBox;
class QFormLayout;
class QSpinBox;

namespace tw {

// The Options dialog's "Units" group: the length of a standard line and page, the
// "Repetitions" switch and the weight of a repeated word. A change takes effect at once, like
// the dialog's other switches.
class UnitOptionsGroup : public QGroupBox {
  Q_OBJECT

 public:
  UnitOptionsGroup(UnitOptions& units, QWidget* parent);

  QSpinBox* LineLength() const { return lineLength_; }
  QSpinBox* PageLength() const { return pageLength_; }
  QCheckBox* Repetitions() const { return repetitions_; }
  QSpinBox* RepetitionWeight() const { return repetitionWeight_; }

 private:
  QSpinBox* AddNumber(QFormLayout* form, const QString& caption, const QString& tip, int lowest,
                      int highest, int& value);

  UnitOptions& units_;
  QSpinBox* lineLength_ = nullptr;
  QSpinBox* pageLength_ = nullptr;
  QCheckBox* repetitions_ = nullptr;
  QSpinBox* repetitionWeight_ = nullptr;
};

}  // namespace tw
