#include "app/DialogFileChooser.h"

#include <QFileDialog>

namespace tw {

std::optional<std::string> DialogFileChooser::Choose(QWidget* parent, const Request& request) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(request.filters);
  if (!request.suffixes.isEmpty()) dialog.setDefaultSuffix(request.suffixes.front());
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
    const qsizetype index = request.filters.indexOf(filter);
    if (index >= 0 && index < request.suffixes.size())
      dialog.setDefaultSuffix(request.suffixes[index]);
  });
  if (request.save && !request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace tw
