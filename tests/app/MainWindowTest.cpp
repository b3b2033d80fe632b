#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "WindowFixture.h"
#include "app/ControlIds.h"
#include "app/CountListModel.h"
#include "counting/CellTexts.h"

namespace tw {
namespace {

using test::WindowFixture;

class MainWindowTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Open();
  }
  std::vector<std::string> Shown() const { return messages.Texts(); }
};

TEST_F(MainWindowTest, EveryControlCarriesItsIdAndCaption) {
  EXPECT_EQ(W().windowTitle(), "Tallywright");
  const std::pair<int, const char*> captions[] = {
      {kIdAddSubfolders, "Add all files in subfolders"},
      {kIdAddSelected, "Add selected"},
      {kIdAddAll, "Add all"},
      {kIdDocCheck, "DOC*"},
      {kIdRtfCheck, "RTF"},
      {kIdXlsCheck, "XLS"},
      {kIdTxtCheck, "TXT"},
      {kIdHtmCheck, "HTM*"},
      {kIdPptCheck, "PPT*"},
      {kIdPdfCheck, "PDF"},
      {kIdRemoveAll, "Remove All"},
      {kIdRemove, "Remove"},
      {kIdCalc, "Calc"},
      {kIdCountStatistic, "Count Statistic"},
      {kIdSaveReport, "Save Report"},
  };
  for (const auto& [id, caption] : captions) {
    auto* button = qobject_cast<QAbstractButton*>(W().Control(id));
    ASSERT_NE(button, nullptr) << id;
    EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(button->property(kControlIdProperty).toInt(), id);
    EXPECT_FALSE(button->objectName().isEmpty()) << id;
  }
  EXPECT_TRUE(Button(kIdXlsCheck)->isEnabled());
  EXPECT_TRUE(Button(kIdDocCheck)->isEnabled());
  EXPECT_FALSE(Button(kIdSaveReport)->isEnabled());
  EXPECT_EQ(Edit(kIdPricingLabel)->text(), "Pricing:");
  EXPECT_TRUE(Edit(kIdPricingLabel)->isReadOnly());
  for (int id : {kIdFolderTree, kIdFileList, kIdCountList, kIdTypeFrame, kIdRemoveFrame,
                 kIdBottomFrame, kIdRateEdit, kIdCurrencyCombo, kIdPricingCombo}) {
    ASSERT_NE(W().Control(id), nullptr) << id;
    EXPECT_EQ(W().Control(id)->property(kControlIdProperty).toInt(), id);
  }
}

TEST_F(MainWindowTest, CombosAreSortedAndAFirstStartPricesByWordsInTheFirstCurrency) {
  QComboBox* pricing = Combo(kIdPricingCombo);
  ASSERT_EQ(pricing->count(), 6);
  EXPECT_EQ(pricing->itemText(0), "Chars");
  EXPECT_EQ(pricing->itemText(1), "Chars & spaces");
  EXPECT_EQ(pricing->itemText(2), "Words");
  // The later units follow, so a stored index keeps naming what it named.
  EXPECT_EQ(pricing->itemText(3), "Lines");
  EXPECT_EQ(pricing->itemText(4), "Pages");
  EXPECT_EQ(pricing->itemText(5), "Weighted words");
  EXPECT_EQ(pricing->currentIndex(), 2);
  QComboBox* currency = Combo(kIdCurrencyCombo);
  ASSERT_EQ(currency->count(), 3);
  EXPECT_EQ(currency->itemText(0), "EUR");
  EXPECT_EQ(currency->itemText(2), "USD");
  EXPECT_EQ(currency->currentIndex(), 0);
  EXPECT_TRUE(currency->isEditable());
}

TEST_F(MainWindowTest, TheStatusBarHasTwoPanes) {
  EXPECT_EQ(W().StatusPane(0)->text(), "  ");
  EXPECT_EQ(W().StatusPane(1)->text(), " ");
  EXPECT_EQ(W().StatusPane(0)->width(), W().width() / 2);
}

TEST_F(MainWindowTest, MenusCarryTheirCommandIds) {
  const std::pair<int, const char*> commands[] = {
      {kCmdCountStatistics, "Count statistics"},
      {kCmdCurrencyConverter, "Currency converter"},
      {kCmdExit, "Exit"},
      {kCmdCurrency, "Currency"},
      {kCmdOptions, "Options"},
      {kCmdAbout, "About"},
  };
  for (const auto& [id, caption] : commands) {
    QAction* action = W().Command(id);
    ASSERT_NE(action, nullptr) << id;
    EXPECT_EQ(action->text(), caption);
    EXPECT_EQ(action->property(kCommandIdProperty).toInt(), id);
  }
  QStringList menus;
  for (QAction* menu : W().menuBar()->actions()) menus << menu->text().remove('&');
  EXPECT_EQ(menus, QStringList({"File", "Tools", "Help"}));
}

TEST_F(MainWindowTest, EscapeWithoutACountLeavesTheWindowOpenAndShowsNothing) {
  W().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&W()));
  QTest::keyClick(&W(), Qt::Key_Escape);
  EXPECT_TRUE(W().isVisible());
  EXPECT_TRUE(Shown().empty());
}

TEST_F(MainWindowTest, EnterDoesNothing) {
  W().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&W()));
  QTest::keyClick(Edit(kIdRateEdit), Qt::Key_Return);
  QTest::keyClick(&W(), Qt::Key_Enter);
  EXPECT_TRUE(W().isVisible());
  EXPECT_TRUE(Shown().empty());
}

TEST_F(MainWindowTest, TheCloseBoxAsksAndCancelKeepsTheWindow) {
  W().show();
  // Counted rows no report holds yet are what the question protects.
  ListInFileList({Write("a.txt", "one two")});
  W().OnAddAll();
  CountAndWait();
  messages.ScriptAnswer(MessageAnswer::Cancel);
  W().close();
  EXPECT_TRUE(W().isVisible());
  ASSERT_EQ(Shown(), std::vector<std::string>{"Are you sure to exit?"});
  EXPECT_EQ(messages.Boxes()[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(messages.Boxes()[0].icon, MessageIcon::Question);
  EXPECT_FALSE(std::filesystem::exists(Config() / "settings.ini"));

  messages.ScriptAnswer(MessageAnswer::Ok);
  W().close();
  EXPECT_FALSE(W().isVisible());
  EXPECT_TRUE(std::filesystem::exists(Config() / "settings.ini"));
}

TEST_F(MainWindowTest, FileExitClosesWithoutAskingAndSaves) {
  W().show();
  W().Command(kCmdExit)->trigger();
  EXPECT_FALSE(W().isVisible());
  EXPECT_TRUE(Shown().empty());
  EXPECT_TRUE(std::filesystem::exists(Config() / "settings.ini"));
}

TEST_F(MainWindowTest, CountingAnEmptyListSaysSo) {
  W().OnCountStatistic();
  EXPECT_FALSE(W().IsCounting());
  EXPECT_EQ(Shown(), std::vector<std::string>{"There is nothing to count! Choose files first!"});
  EXPECT_EQ(Header(0), "List files to count statistics: 0");
}

// The grey cell of a row for each pricing mode: which columns have the priced background.
std::vector<int> GreyColumns(const CountListModel& model) {
  std::vector<int> grey;
  for (int column = 0; column < 7; ++column) {
    const QColor colour = model.data(model.index(0, column), Qt::BackgroundRole).value<QColor>();
    if (colour == QColor(227, 227, 227)) {
      grey.push_back(column);
    } else {
      EXPECT_EQ(colour, QColor(Qt::white)) << column;
    }
    EXPECT_EQ(model.data(model.index(0, column), Qt::ForegroundRole).value<QColor>(),
              QColor(Qt::black));
  }
  return grey;
}

TEST_F(MainWindowTest, ThePricedColumnIsGreyFollowingThePricingMode) {
  ListInFileList({Write("a.txt", "x")});
  W().OnAddAll();
  EXPECT_EQ(GreyColumns(W().Model()), std::vector<int>{kWordsColumn});  // the first start's mode
  Choose(Combo(kIdPricingCombo), "Chars");
  EXPECT_EQ(GreyColumns(W().Model()), std::vector<int>{kCharsColumn});
  Choose(Combo(kIdPricingCombo), "Words");
  EXPECT_EQ(GreyColumns(W().Model()), std::vector<int>{kWordsColumn});
  Choose(Combo(kIdPricingCombo), "Chars & spaces");
  EXPECT_EQ(GreyColumns(W().Model()), std::vector<int>{kCharsWithSpacesColumn});
}

}  // namespace
}  // namespace tw
