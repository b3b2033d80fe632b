#include "app/GuiMessageService.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace tw {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
    case MessageIcon::ByButtons:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button, MessageButtons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    default:
      // A box closed without a button (Escape, close box) means its negative answer.
      if (buttons == MessageButtons::YesNo) return MessageAnswer::No;
      return buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
  }
}

}  // namespace

MessageAnswer GuiMessageService::Show(const std::string& text, MessageButtons buttons,
                                      MessageIcon icon) {
  QMessageBox box(BoxIcon(ResolveMessageIcon(buttons, icon)), QCoreApplication::applicationName(),
                  QString::fromStdString(text), BoxButtons(buttons), parent_.data());
  if (buttons == MessageButtons::YesNo) box.setEscapeButton(QMessageBox::No);
  return AnswerOf(box.exec(), buttons);
}

}  // namespace tw
