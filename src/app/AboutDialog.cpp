#include "app/AboutDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {
namespace {

// The About box names the release by major and minor version only, taken from the project's
// version so that it never lags behind the package.
QString ReleaseName() {
  return QStringLiteral(TALLYWRIGHT_VERSION).section(QLatin1Char('.'), 0, 1);
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About"));
  setObjectName(QStringLiteral("aboutDialog"));
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("aboutIcon"));
  icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  auto* text = new QLabel(QStringLiteral("TLW Version ") + ReleaseName(), this);
  text->setObjectName(QStringLiteral("aboutText"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
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
