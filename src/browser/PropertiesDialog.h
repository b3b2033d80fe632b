#pragma once

#include <QDialog>
#include <string>

namespace tw {

// The properties of one file or folder: name, type, location, size, modified, permissions.
class PropertiesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PropertiesDialog(const std::string& path, QWidget* parent = nullptr);

  // The text shown for a field ("Name", "Type", "Location", "Size", "Modified", "Permissions").
  QString FieldText(const QString& field) const;

  static QString PermissionText(unsigned mode);
};

}  // namespace tw
