#include "app/CurrencyDialog.h"

#include <memory>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/AddCurrencyDialog.h"
#include "app/ConfigLocation.h"
#include "app/ControlIds.h"
#include "counting/MessageService.h"
#include "store/CurrencyList.h"

namespace tw {
namespace {

std::optional<std::string> AskWithDialog(QWidget* parent) {
  AddCurrencyDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.NewCurrency();
}

QPushButton* MakeButton(const QString& caption, const char* name, int id, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setProperty(kControlIdProperty, id);
  button->setAutoDefault(false);
  return button;
}

// "usd" beside "USD" would be the same currency twice, so names are compared case-folded.
std::string Folded(const std::string& name) {
  return QString::fromStdString(name).toCaseFolded().toStdString();
}

}  // namespace

CurrencyDialog::CurrencyDialog(MessageService& messages, ComboAdder addToCombo, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      addToCombo_(std::move(addToCombo)),
      askName_(AskWithDialog) {
  setWindowTitle(tr("Currency"));
  setObjectName(QStringLiteral("currencyDialog"));
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("currencyList"));
  list_->setProperty(kControlIdProperty, 1000);
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setHeaderLabels({tr("Currency")});
  list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  list_->setColumnWidth(0, 220);
  for (const std::string& name : LoadCurrencyDialogNames(ConfigLocation::CurrencyFile())) {
    list_->addTopLevelItem(new QTreeWidgetItem({QString::fromStdString(name)}));
  }

  QPushButton* add = MakeButton(tr("Add"), "addButton", 1019, this);
  QPushButton* remove = MakeButton(tr("Delete"), "deleteButton", 1004, this);
  QPushButton* close = MakeButton(tr("Close"), "closeButton", 1, this);
  connect(add, &QPushButton::clicked, this, &CurrencyDialog::OnAdd);
  connect(remove, &QPushButton::clicked, this, &CurrencyDialog::OnDelete);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(360, 260);
}

std::vector<std::string> CurrencyDialog::Names() const {
  std::vector<std::string> names;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    names.push_back(list_->topLevelItem(i)->text(0).toStdString());
  }
  return names;
}

void CurrencyDialog::OnAdd() {
  const std::optional<std::string> typed = askName_(this);
  const std::string name = typed.value_or(std::string());
  std::vector<std::string> listed = Names();
  for (std::string& entry : listed) entry = Folded(entry);
  const CurrencyAddCheck check = CheckNewCurrency(Folded(name), listed);
  if (check == CurrencyAddCheck::Empty) return;
  if (check != CurrencyAddCheck::Add) {
    messages_.Show(CurrencyAddMessage(check));
    return;
  }
  list_->setFocus();
  InsertSorted(name);
  if (addToCombo_) addToCombo_(name);
}

void CurrencyDialog::InsertSorted(const std::string& name) {
  const size_t at = CurrencyInsertIndex(Names(), name);
  list_->insertTopLevelItem(static_cast<int>(at),
                            new QTreeWidgetItem({QString::fromStdString(name)}));
}

void CurrencyDialog::OnDelete() {
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) {
    messages_.Show(kNothingToDeleteMessage, MessageButtons::Ok, MessageIcon::None);
    return;
  }
  for (QTreeWidgetItem* item : selected) {
    if (!ConfirmDelete(item->text(0).toStdString())) continue;
    std::unique_ptr<QTreeWidgetItem> removed(
        list_->takeTopLevelItem(list_->indexOfTopLevelItem(item)));
  }
}

bool CurrencyDialog::ConfirmDelete(const std::string& name) {
  if (inUse_.empty() || name != inUse_) return true;
  const std::string question = name + " is the currency in use. Delete it anyway?";
  return messages_.Show(question, MessageButtons::YesNo, MessageIcon::Question) ==
         MessageAnswer::Yes;
}

void CurrencyDialog::done(int result) {
  // "Close", Escape and the close box all keep what the list shows.
  SaveCurrencyDialogNames(ConfigLocation::CurrencyFile(), Names());
  QDialog::done(result);
}

}  // namespace tw
