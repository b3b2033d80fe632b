#include "app/GuiCountHost.h"

#include <QMetaObject>
#include <QThread>

namespace tw {

GuiCountHost::GuiCountHost(CountHost& target, QObject* windowObject)
    : target_(target), window_(windowObject) {}

template <class Call>
bool GuiCountHost::OnWindowThread(Call&& call) {
  if (detached_.load()) return false;
  QObject* window = window_;
  if (QThread::currentThread() == window->thread()) {
    call();
    return true;
  }
  bool ran = false;
  QMetaObject::invokeMethod(
      window,
      [&] {
        // The window may have detached while this call waited in its queue.
        if (detached_.load()) return;
        call();
        ran = true;
      },
      Qt::BlockingQueuedConnection);
  return ran;
}

int GuiCountHost::RowCount() {
  int rows = 0;
  OnWindowThread([&] { rows = target_.RowCount(); });
  return rows;
}

std::string GuiCountHost::CellText(int row, int column) {
  std::string text;
  OnWindowThread([&] { text = target_.CellText(row, column); });
  return text;
}

void GuiCountHost::SetCellText(int row, int column, const std::string& text) {
  OnWindowThread([&] { target_.SetCellText(row, column, text); });
}

void GuiCountHost::SetHeaderText(int column, const std::string& text) {
  OnWindowThread([&] { target_.SetHeaderText(column, text); });
}

std::string GuiCountHost::PricingText() {
  std::string text;
  OnWindowThread([&] { text = target_.PricingText(); });
  return text;
}

CurrentValues GuiCountHost::ControlValues() {
  CurrentValues values;
  OnWindowThread([&] { values = target_.ControlValues(); });
  return values;
}

void GuiCountHost::TakeCurrentValuesFromControls(CurrentValues& current) {
  OnWindowThread([&] { target_.TakeCurrentValuesFromControls(current); });
}

void GuiCountHost::SetCountControlsEnabled(bool enabled) {
  OnWindowThread([&] { target_.SetCountControlsEnabled(enabled); });
}

void GuiCountHost::CountingFile(const std::string& path, int row, int number, int total) {
  OnWindowThread([&] { target_.CountingFile(path, row, number, total); });
}

void GuiCountHost::CountingFinished() {
  OnWindowThread([&] { target_.CountingFinished(); });
}

MessageAnswer GuiCountHost::Messenger::Show(const std::string& text, MessageButtons buttons,
                                            MessageIcon icon) {
  // A box nobody can see is answered as if dismissed: OK, or the negative answer of a question.
  MessageAnswer answer = buttons == MessageButtons::YesNo      ? MessageAnswer::No
                         : buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                               : MessageAnswer::Ok;
  host_.OnWindowThread([&] { answer = host_.target_.Messages().Show(text, buttons, icon); });
  return answer;
}

}  // namespace tw
