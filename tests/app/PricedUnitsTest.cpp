#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>

#include "WindowFixture.h"
#include "app/ControlIds.h"
#include "app/CountListModel.h"
#include "app/CountListView.h"
#include "app/OptionsDialog.h"
#include "app/UnitOptionsGroup.h"
#include "counting/CellTexts.h"

namespace tw {
namespace {

using test::WindowFixture;

// "abcd " 22 times: 22 words, 88 characters and 22 spaces, 110 with spaces: 2.00 lines of 55.
class PricedUnitsTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Open();
    std::string text;
    for (int i = 0; i < 22; ++i) text += "abcd ";
    ListInFileList({Write("a.txt", text)});
    W().OnAddAll();
    Edit(kIdRateEdit)->setText("1.5");
  }
  bool UnitsColumnShown() const { return !window->CountList()->isColumnHidden(kPricedUnitsColumn); }
};

TEST_F(PricedUnitsTest, PickingLinesPricesTheLinesAndShowsThem) {
  Choose(Combo(kIdPricingCombo), "Words");
  CountAndWait();
  EXPECT_EQ(Cell(0, kAmountColumn), "  33.00");
  EXPECT_FALSE(UnitsColumnShown());

  Choose(Combo(kIdPricingCombo), "Lines");
  EXPECT_TRUE(UnitsColumnShown());
  EXPECT_EQ(Cell(0, kPricedUnitsColumn), "2.00");
  EXPECT_EQ(Cell(0, kAmountColumn), "   3.00");  // 2.00 lines at 1.5
  EXPECT_EQ(Header(kPricedUnitsColumn), "Lines: 2.00");
  EXPECT_EQ(Header(kAmountColumn), "Amount:      3.00");

  Choose(Combo(kIdPricingCombo), "Pages");  // 110 / 1800 = 0.06 pages
  EXPECT_EQ(Cell(0, kPricedUnitsColumn), "0.06");
  EXPECT_EQ(Cell(0, kAmountColumn), "   0.09");

  Choose(Combo(kIdPricingCombo), "Chars");
  EXPECT_FALSE(UnitsColumnShown());
  EXPECT_EQ(Cell(0, kAmountColumn), " 132.00");
}

TEST_F(PricedUnitsTest, ANewLineLengthInOptionsPricesTheListAgain) {
  Choose(Combo(kIdPricingCombo), "Lines");
  CountAndWait();
  bool changed = false;
  QTimer::singleShot(0, [&changed] {
    auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    dialog->Units()->LineLength()->setValue(50);
    changed = true;
    dialog->reject();
  });
  W().OnOptionsCommand();
  ASSERT_TRUE(changed);
  EXPECT_EQ(Cell(0, kPricedUnitsColumn), "2.20");  // 110 / 50
  EXPECT_EQ(Cell(0, kAmountColumn), "   3.30");
  EXPECT_EQ(Header(kPricedUnitsColumn), "Lines: 2.20");
}

TEST(UnitOptionsGroup, EveryFieldChangesItsOptionAtOnce) {
  UnitOptions units;
  UnitOptionsGroup group(units, nullptr);
  EXPECT_EQ(group.LineLength()->value(), 55);
  EXPECT_EQ(group.PageLength()->value(), 1800);
  EXPECT_EQ(group.RepetitionWeight()->value(), 30);
  group.PageLength()->setValue(1500);
  group.Repetitions()->click();
  group.RepetitionWeight()->setValue(150);  // held at 100 %
  EXPECT_EQ(units, (UnitOptions{.pageLength = 1500, .repetitions = true, .repetitionWeight = 100}));
}

}  // namespace
}  // namespace tw
