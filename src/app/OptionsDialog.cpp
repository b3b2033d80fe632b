#include "app/OptionsDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ControlIds.h"

namespace tw {
namespace {

constexpr int kIdHeadersAndFooters = 1067;
constexpr int kIdExtraSymbols = 1075;
constexpr int kIdLegacyBytes = 1080;

}  // namespace

OptionsDialog::OptionsDialog(CountOptions& options, QWidget* parent)
    : QDialog(parent), options_(options) {
  setWindowTitle(QStringLiteral("Options"));
  setObjectName(QStringLiteral("optionsDialog"));
  auto* layout = new QVBoxLayout(this);
  headersAndFooters_ = AddSwitch(QStringLiteral("Count in headers and footers"),
                                 kIdHeadersAndFooters, options_.headersAndFooters);
  extraSymbols_ = AddSwitch(QStringLiteral("Treat extra symbols in txt files like a word"),
                            kIdExtraSymbols, options_.extraSymbolsAsWords);
  legacyBytes_ =
      AddSwitch(QStringLiteral("Legacy byte rules"), kIdLegacyBytes, options_.legacyByteRules);
  for (QCheckBox* box : {headersAndFooters_, extraSymbols_, legacyBytes_}) layout->addWidget(box);
  layout->addStretch(1);

  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("closeButton"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  resize(468, 315);
}

QCheckBox* OptionsDialog::AddSwitch(const QString& caption, int id, bool& option) {
  auto* box = new QCheckBox(caption, this);
  box->setProperty(kControlIdProperty, id);
  box->setChecked(option);
  // Each click inverts the option at once and shows its new state.
  connect(box, &QCheckBox::clicked, this, [box, &option] {
    option = !option;
    box->setChecked(option);
  });
  return box;
}

}  // namespace tw
