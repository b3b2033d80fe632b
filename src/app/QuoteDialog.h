#pragma once

#include <string>

#include <QDialog>

#include "app/QuoteDocument.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextBrowser;

namespace tw {

class FileChooser;
class MessageService;

// File > Quote: the fields of a quote beside a preview that follows every change. "Save PDF"
// asks where, writes the PDF and remembers the fields for the next quote (the next one proposes
// the following quote number).
class QuoteDialog : public QDialog {
  Q_OBJECT

 public:
  QuoteDialog(QuoteSheet sheet, std::string fieldsPath, FileChooser& chooser,
              MessageService& messages, QWidget* parent = nullptr);

  QuoteSheet Sheet() const;
  QTextBrowser* Preview() const { return preview_; }
  QPushButton* SaveButton() const { return save_; }
  // Writes the PDF to `path` and keeps the fields; false (after telling the user) when it fails.
  bool SaveTo(const std::string& path);

 private:
  void BuildForm();
  void UpdatePreview();
  void OnSave();

  QuoteSheet sheet_;
  std::string fieldsPath_;
  FileChooser& chooser_;
  MessageService& messages_;
  QPlainTextEdit* issuer_;
  QPlainTextEdit* client_;
  QLineEdit* number_;
  QDateEdit* date_;
  QLineEdit* minimumFee_;
  QLineEdit* discount_;
  QLineEdit* tax_;
  QPlainTextEdit* notes_;
  QLabel* problem_;
  QTextBrowser* preview_;
  QPushButton* save_;
};

}  // namespace tw
