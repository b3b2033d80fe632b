#pragma once

#include <QPointer>
#include <QWidget>

#include "counting/MessageService.h"

namespace tw {

// Message boxes of the desktop program: a modal QMessageBox over the main window, captioned with
// the application's name, its icon chosen by ResolveMessageIcon. Window thread only.
class GuiMessageService : public MessageService {
 public:
  explicit GuiMessageService(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  MessageAnswer Show(const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                     MessageIcon icon = MessageIcon::ByButtons) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace tw
