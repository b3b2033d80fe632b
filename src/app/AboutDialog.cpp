#include "app/AboutDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Tallywright"));
  setObjectName(QStringLiteral("aboutDialog"));
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("aboutIcon"));
  icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  auto* text =
      new QLabel(tr("Tallywright version %1").arg(QStringLiteral(TALLYWRIGHT_VERSION)), this);
  text->setObjectName(QStringLiteral("aboutText"));
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* row = new QHBoxLayout(this);
  row->addWidget(icon);
  row->addWidget(text, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addStretch(1);
  row->addLayout(buttons);
  resize(352, 90);
}

}  // namespace tw
