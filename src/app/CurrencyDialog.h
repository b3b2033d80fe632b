#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

class QTreeWidget;
class QPushButton;

namespace tw {

class MessageService;

// "Currency": the user's currency names from currency.dat, sorted, with "Add", "Delete" and
// "Close". Every way of leaving the dialog writes the list back. A name added here goes into the
// main window's currency combo at once; a deleted one stays there until the next start.
class CurrencyDialog : public QDialog {
  Q_OBJECT

 public:
  // Asks for a new name; nothing when the user cancelled.
  using NameAsker = std::function<std::optional<std::string>(QWidget* parent)>;
  using ComboAdder = std::function<void(const std::string& name)>;

  CurrencyDialog(MessageService& messages, ComboAdder addToCombo, QWidget* parent = nullptr);

  // The name the main window prices with: deleting it asks first.
  void SetCurrencyInUse(std::string name) { inUse_ = std::move(name); }
  // Replaces the "New currency" dialog (tests answer for the user).
  void SetNameAsker(NameAsker asker) { askName_ = std::move(asker); }

  QTreeWidget* List() const { return list_; }
  std::vector<std::string> Names() const;

  void OnAdd();
  void OnDelete();
  void done(int result) override;

 private:
  void InsertSorted(const std::string& name);
  bool ConfirmDelete(const std::string& name);

  MessageService& messages_;
  ComboAdder addToCombo_;
  NameAsker askName_;
  std::string inUse_;
  QTreeWidget* list_;
};

}  // namespace tw
