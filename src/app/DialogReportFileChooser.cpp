#include "app/DialogReportFileChooser.h"

#include <QFileDialog>

#include "store/HtmlReport.h"

namespace tw {

std::optional<std::string> DialogReportFileChooser::ChooseReportPath(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A save dialog must accept a name that does not exist yet.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QObject::tr("Save as HTML (*.html)"));
  dialog.setDefaultSuffix(QStringLiteral("html"));
  dialog.selectFile(QString::fromUtf8(kDefaultReportName));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace tw
