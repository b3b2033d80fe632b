#include "app/AddCurrencyDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ControlIds.h"

namespace tw {

AddCurrencyDialog::AddCurrencyDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("New currency"));
  setObjectName(QStringLiteral("newCurrencyDialog"));
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("currencyNameEdit"));
  edit_->setProperty(kControlIdProperty, 1008);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(edit_);
  layout->addWidget(buttons);
}

void AddCurrencyDialog::accept() {
  newCurrency_ = edit_->text().toStdString();
  QDialog::accept();
}

}  // namespace tw
