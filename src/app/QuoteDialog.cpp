#include "app/QuoteDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

#include "app/FileChooser.h"
#include "counting/MessageService.h"

namespace tw {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

std::string S(const QString& text) {
  return text.toStdString();
}

QPlainTextEdit* TextBox(const std::string& text, int lines, QWidget* parent) {
  auto* box = new QPlainTextEdit(Q(text), parent);
  box->setTabChangesFocus(true);
  box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
  return box;
}

}  // namespace

QuoteDialog::QuoteDialog(QuoteSheet sheet, std::string fieldsPath, FileChooser& chooser,
                         MessageService& messages, QWidget* parent)
    : QDialog(parent),
      sheet_(std::move(sheet)),
      fieldsPath_(std::move(fieldsPath)),
      chooser_(chooser),
      messages_(messages) {
  setObjectName(QStringLiteral("quoteDialog"));
  setWindowTitle(tr("Quote"));
  BuildForm();
  UpdatePreview();
  resize(1000, 640);
}

void QuoteDialog::BuildForm() {
  const QuoteFields& fields = sheet_.fields;
  issuer_ = TextBox(fields.issuer, 3, this);
  client_ = TextBox(fields.client, 3, this);
  number_ = new QLineEdit(Q(NextQuoteNumber(fields.quoteNumber)), this);
  date_ = new QDateEdit(sheet_.date.isValid() ? sheet_.date : QDate::currentDate(), this);
  date_->setCalendarPopup(true);
  date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  minimumFee_ = new QLineEdit(Q(fields.minimumFee), this);
  discount_ = new QLineEdit(Q(fields.discountPercent), this);
  tax_ = new QLineEdit(Q(fields.taxPercent), this);
  notes_ = TextBox(fields.notes, 4, this);
  const std::pair<QWidget*, const char*> names[] = {{issuer_, "issuerEdit"},
                                                    {client_, "clientEdit"},
                                                    {number_, "quoteNumberEdit"},
                                                    {date_, "quoteDateEdit"},
                                                    {minimumFee_, "minimumFeeEdit"},
                                                    {discount_, "discountEdit"},
                                                    {tax_, "taxEdit"},
                                                    {notes_, "notesEdit"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));
  problem_ = new QLabel(this);
  problem_->setStyleSheet(QStringLiteral("color: #b00000"));
  preview_ = new QTextBrowser(this);
  preview_->setObjectName(QStringLiteral("quotePreview"));

  auto* form = new QFormLayout;
  form->addRow(tr("From:"), issuer_);
  form->addRow(tr("Client:"), client_);
  form->addRow(tr("Quote number:"), number_);
  form->addRow(tr("Date:"), date_);
  form->addRow(tr("Minimum fee (%1):").arg(sheet_.currency), minimumFee_);
  form->addRow(tr("Discount %:"), discount_);
  form->addRow(tr("Tax %:"), tax_);
  form->addRow(tr("Notes:"), notes_);
  form->addRow(problem_);
  form->addRow(
      new QLabel(tr("Subtotal, then the minimum fee, then the discount, then tax."), this));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  save_ = buttons->addButton(tr("Save PDF..."), QDialogButtonBox::AcceptRole);
  save_->setObjectName(QStringLiteral("saveQuoteButton"));
  connect(save_, &QPushButton::clicked, this, &QuoteDialog::OnSave);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(form, 2);
  layout->addWidget(preview_, 3);

  for (QPlainTextEdit* box : {issuer_, client_, notes_}) {
    connect(box, &QPlainTextEdit::textChanged, this, &QuoteDialog::UpdatePreview);
  }
  for (QLineEdit* edit : {number_, minimumFee_, discount_, tax_}) {
    connect(edit, &QLineEdit::textChanged, this, &QuoteDialog::UpdatePreview);
  }
  connect(date_, &QDateEdit::dateChanged, this, &QuoteDialog::UpdatePreview);
}

QuoteSheet QuoteDialog::Sheet() const {
  QuoteSheet sheet = sheet_;
  sheet.fields.issuer = S(issuer_->toPlainText());
  sheet.fields.client = S(client_->toPlainText());
  sheet.fields.quoteNumber = S(number_->text());
  sheet.fields.minimumFee = S(minimumFee_->text());
  sheet.fields.discountPercent = S(discount_->text());
  sheet.fields.taxPercent = S(tax_->text());
  sheet.fields.notes = S(notes_->toPlainText());
  sheet.date = date_->date();
  return sheet;
}

void QuoteDialog::UpdatePreview() {
  QString field;
  const QuoteSheet sheet = Sheet();
  const std::optional<QuoteTerms> terms = QuoteDocument::TermsOf(sheet.fields, &field);
  save_->setEnabled(terms.has_value());
  problem_->setText(terms ? QString() : tr("%1 is not a number I can use.").arg(field));
  if (!terms) return;
  // The scroll position stays where the user left it while the text changes.
  const int scrolled = preview_->verticalScrollBar() ? preview_->verticalScrollBar()->value() : 0;
  preview_->setHtml(QuoteDocument::Html(sheet, *terms));
  if (preview_->verticalScrollBar()) preview_->verticalScrollBar()->setValue(scrolled);
}

bool QuoteDialog::SaveTo(const std::string& path) {
  const QuoteSheet sheet = Sheet();
  const std::optional<QuoteTerms> terms = QuoteDocument::TermsOf(sheet.fields);
  if (!terms) return false;
  const std::string error = QuoteDocument::WritePdf(
      path, QuoteDocument::Html(sheet, *terms), tr("Quote %1").arg(Q(sheet.fields.quoteNumber)));
  if (!error.empty()) {
    messages_.Show(S(tr("Couldn't save quote: %1 (%2)").arg(Q(path), Q(error))));
    return false;
  }
  if (!SaveQuoteFields(fieldsPath_, sheet.fields)) {
    messages_.Show(
        S(tr("The quote was saved, but its fields could not be kept in %1").arg(Q(fieldsPath_))));
  }
  return true;
}

void QuoteDialog::OnSave() {
  FileChooser::Request request;
  request.title = tr("Save quote");
  request.filters = {tr("PDF (*.pdf)")};
  request.suffixes = {QStringLiteral("pdf")};
  request.proposedName =
      tr("quote-%1.pdf").arg(number_->text().replace(QLatin1Char('/'), QLatin1Char('-')));
  const std::optional<std::string> path = chooser_.Choose(this, request);
  if (path && SaveTo(*path)) accept();
}

}  // namespace tw
