#include "app/UnitOptionsGroup.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QSpinBox>

#include "store/SettingsModel.h"

namespace tw {

UnitOptionsGroup::UnitOptionsGroup(UnitOptions& units, QWidget* parent)
    : QGroupBox(tr("Units"), parent), units_(units) {
  setObjectName(QStringLiteral("unitOptions"));
  auto* form = new QFormLayout(this);
  lineLength_ = AddNumber(form, tr("Standard line:"),
                          tr("Characters with spaces in one standard line, the unit \"Lines\" "
                             "prices; e.g. 1 100 characters are 20.00 lines of 55"),
                          1, kMaximumUnitLength, units_.lineLength);
  lineLength_->setObjectName(QStringLiteral("lineLength"));
  pageLength_ = AddNumber(form, tr("Standard page:"),
                          tr("Characters with spaces in one standard page, the unit \"Pages\" "
                             "prices; e.g. 2 700 characters are 1.50 pages of 1 800"),
                          1, kMaximumUnitLength, units_.pageLength);
  pageLength_->setObjectName(QStringLiteral("pageLength"));
  repetitions_ = new QCheckBox(tr("Repetitions"), this);
  repetitions_->setObjectName(QStringLiteral("repetitions"));
  repetitions_->setToolTip(
      tr("Finds sentences, table cells and paragraphs seen before in the file or in a file "
         "counted before it; their words cost the share below under \"Weighted words\", e.g. "
         "a sentence of 10 words met again costs 3 words at 30 %"));
  repetitions_->setChecked(units_.repetitions);
  connect(repetitions_, &QCheckBox::toggled, this,
          [this](bool checked) { units_.repetitions = checked; });
  form->addRow(repetitions_);
  repetitionWeight_ = AddNumber(form, tr("Repeated word costs:"),
                                tr("The share of a new word's price a repeated word costs"), 0, 100,
                                units_.repetitionWeight);
  repetitionWeight_->setObjectName(QStringLiteral("repetitionWeight"));
  repetitionWeight_->setSuffix(QStringLiteral(" %"));
}

QSpinBox* UnitOptionsGroup::AddNumber(QFormLayout* form, const QString& caption, const QString& tip,
                                      int lowest, int highest, int& value) {
  auto* spin = new QSpinBox(this);
  spin->setRange(lowest, highest);
  spin->setValue(value);
  spin->setToolTip(tip);
  connect(spin, &QSpinBox::valueChanged, this, [&value](int changed) { value = changed; });
  form->addRow(caption, spin);
  return spin;
}

}  // namespace tw
