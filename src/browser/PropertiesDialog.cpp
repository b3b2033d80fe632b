#include "browser/PropertiesDialog.h"

#include <sys/stat.h>

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QVBoxLayout>

namespace tw {
namespace {

QString SizeText(const QFileInfo& info) {
  if (info.isDir()) {
    const qsizetype entries =
        QDir(info.filePath())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
            .size();
    return QObject::tr("%1 items").arg(entries);
  }
  return QObject::tr("%1 bytes").arg(QLocale().toString(info.size()));
}

QString TypeText(const QFileInfo& info) {
  if (info.isSymLink()) return QObject::tr("Link to %1").arg(info.symLinkTarget());
  if (info.isDir()) return QObject::tr("Folder");
  return QMimeDatabase().mimeTypeForFile(info).comment();
}

}  // namespace

PropertiesDialog::PropertiesDialog(const std::string& path, QWidget* parent) : QDialog(parent) {
  const QString qpath = QString::fromStdString(path);
  const QFileInfo info(qpath);
  setWindowTitle(tr("Properties of %1").arg(info.fileName().isEmpty() ? qpath : info.fileName()));
  struct stat status {};
  const bool known = ::lstat(path.c_str(), &status) == 0;

  auto* form = new QFormLayout;
  auto addField = [&](const QString& field, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(field);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(field + ":", label);
  };
  addField(tr("Name"), info.fileName().isEmpty() ? qpath : info.fileName());
  addField(tr("Type"), TypeText(info));
  addField(tr("Location"), info.absolutePath());
  addField(tr("Size"), known ? SizeText(info) : QString());
  addField(tr("Modified"),
           known ? QLocale().toString(info.lastModified(), QLocale::LongFormat) : QString());
  addField(tr("Permissions"),
           known ? QStringLiteral("%1  %2 %3")
                       .arg(PermissionText(status.st_mode), info.owner(), info.group())
                 : QString());

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

QString PropertiesDialog::FieldText(const QString& field) const {
  const auto* label = findChild<QLabel*>(field);
  return label ? label->text() : QString();
}

QString PropertiesDialog::PermissionText(unsigned mode) {
  QString text;
  const char* const letters = "rwxrwxrwx";
  for (int bit = 0; bit < 9; ++bit)
    text += (mode & (0400u >> bit)) ? QChar::fromLatin1(letters[bit]) : QChar('-');
  return text;
}

}  // namespace tw
