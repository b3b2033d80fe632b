#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/Calculator.h"
#include "app/GuiMessageService.h"
#include "support/TempDir.h"

namespace tw {
namespace {

struct BoxCase {
  MessageButtons buttons;
  MessageIcon icon;
  QMessageBox::StandardButton press;  // NoButton: close the box with Escape
  QMessageBox::Icon shownIcon;
  MessageAnswer answer;
};

TEST(GuiMessageService, ShowsACaptionedBoxWithTheIconOfItsButtons) {
  const BoxCase cases[] = {
      {MessageButtons::Ok, MessageIcon::ByButtons, QMessageBox::Ok, QMessageBox::Warning,
       MessageAnswer::Ok},
      {MessageButtons::Ok, MessageIcon::None, QMessageBox::Ok, QMessageBox::NoIcon,
       MessageAnswer::Ok},
      {MessageButtons::OkCancel, MessageIcon::ByButtons, QMessageBox::Cancel, QMessageBox::Question,
       MessageAnswer::Cancel},
      {MessageButtons::OkCancel, MessageIcon::ByButtons, QMessageBox::Ok, QMessageBox::Question,
       MessageAnswer::Ok},
      {MessageButtons::YesNo, MessageIcon::ByButtons, QMessageBox::Yes, QMessageBox::Question,
       MessageAnswer::Yes},
      {MessageButtons::YesNo, MessageIcon::ByButtons, QMessageBox::NoButton, QMessageBox::Question,
       MessageAnswer::No},
  };
  GuiMessageService service;
  for (const BoxCase& c : cases) {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      if (c.press == QMessageBox::NoButton) {
        box->reject();
      } else {
        box->button(c.press)->click();
      }
    });
    EXPECT_EQ(service.Show("Are you sure?", c.buttons, c.icon), c.answer);
    EXPECT_EQ(title, QApplication::applicationName());
    EXPECT_EQ(text, "Are you sure?");
    EXPECT_EQ(icon, c.shownIcon);
  }
}

class CalculatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* path = std::getenv("PATH");
    savedPath = path != nullptr ? path : "";
  }
  void TearDown() override { setenv("PATH", savedPath.c_str(), 1); }
  std::string savedPath;
  test::TempDir dir;
};

TEST_F(CalculatorTest, TakesTheFirstCalculatorOnThePath) {
  // Stand-ins that start and end at once.
  const std::string kcalc = (dir.Path() / "kcalc").string();
  const std::string xcalc = (dir.Path() / "xcalc").string();
  for (const std::string& file : {kcalc, xcalc}) std::filesystem::create_symlink("/bin/true", file);
  setenv("PATH", dir.Path().c_str(), 1);
  EXPECT_EQ(Calculator::Find(), kcalc);
  EXPECT_TRUE(Calculator::Start());
}

TEST_F(CalculatorTest, DoesNothingWithoutACalculator) {
  setenv("PATH", dir.Path().c_str(), 1);
  EXPECT_EQ(Calculator::Find(), "");
  EXPECT_FALSE(Calculator::Start());
}

}  // namespace
}  // namespace tw
