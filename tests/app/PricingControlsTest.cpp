#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include "WindowFixture.h"
#include "app/ControlIds.h"
#include "app/CountListModel.h"
#include "app/PricingControls.h"
#include "counting/CellTexts.h"

namespace tw {
namespace {

using test::WindowFixture;

class PricingControlsTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Open();
    W().show();
    rate = Edit(kIdRateEdit);
  }
  QLineEdit* rate = nullptr;
};

struct TypingCase {
  const char* start;      // the edit's text before
  int cursor;             // where the typing goes in
  const char* typed;      // typed character by character
  const char* finalText;  // what the edit shows after
  std::vector<std::string> messages;
};

TEST_F(PricingControlsTest, RateTypingSequences) {
  const TypingCase cases[] = {
      {"", 0, "1.5", "1.5", {}},
      {"1.5", 3, ".", "1.5", {"One dot only!"}},
      {"1.5", 0, ".", ".1", {"One dot only!", "One dot only!"}},
      {"", 0, "a", "", {}},
      {"0.2", 3, "-", "0.2", {}},
      {"", 0, "1,5", "1.5", {}},
      {"1.5", 3, ",", "1.5", {"One dot only!"}},
      {"", 0, ".5", ".5", {}},
  };
  for (const TypingCase& c : cases) {
    {
      const QSignalBlocker quiet(rate);
      rate->setText(c.start);
    }
    rate->setCursorPosition(c.cursor);
    const size_t before = messages.Texts().size();
    QTest::keyClicks(rate, c.typed);
    EXPECT_EQ(rate->text().toStdString(), c.finalText) << c.start << " + " << c.typed;
    const std::vector<std::string> all = messages.Texts();
    EXPECT_EQ(std::vector<std::string>(all.begin() + before, all.end()), c.messages)
        << c.start << " + " << c.typed;
    EXPECT_EQ(W().Pricing().Current().rateText, c.finalText);
  }
  for (const auto& box : messages.Boxes()) EXPECT_EQ(box.icon, MessageIcon::Exclamation);
}

TEST_F(PricingControlsTest, ALetterIsDroppedWhereItWasTypedWithAHintAndNoBox) {
  rate->clear();
  QTest::keyClicks(rate, "15");
  rate->setCursorPosition(1);
  QTest::keyClicks(rate, "x");
  EXPECT_EQ(rate->text(), "15");
  EXPECT_EQ(rate->cursorPosition(), 1);
  EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::text() == "Numbers only!"; }));
  rate->setText("2ab");
  EXPECT_EQ(rate->text(), "2");
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(PricingControlsTest, ADecimalCommaPricesAsADot) {
  ListInFileList({Write("a.txt", "")});
  W().OnAddAll();
  W().Model().SetCounted(0, FileCounts{100, 520, 100}, 0.0);
  Choose(Combo(kIdPricingCombo), "Words");
  rate->clear();
  QTest::keyClicks(rate, "1,5");
  EXPECT_EQ(W().Pricing().Current().rate, 1.5);
  EXPECT_EQ(Cell(0, kRateColumn), "1.5");
  EXPECT_EQ(Cell(0, kAmountColumn), " 150.00");
}

TEST_F(PricingControlsTest, RateAndModeRepriceEveryRow) {
  ListInFileList({Write("a.txt", "")});
  W().OnAddAll();
  CountListModel& model = W().Model();
  // 100 words, 520 characters and 100 spaces: 620 characters with spaces.
  model.SetCounted(0, FileCounts{100, 520, 100}, 0.0);
  Choose(Combo(kIdPricingCombo), "Words");
  rate->clear();
  QTest::keyClicks(rate, "0.1");
  EXPECT_EQ(Cell(0, kRateColumn), "0.1");
  EXPECT_EQ(Cell(0, kAmountColumn), "  10.00");
  EXPECT_EQ(Header(kAmountColumn), "Amount:     10.00");
  Choose(Combo(kIdPricingCombo), "Chars");
  EXPECT_EQ(Cell(0, kAmountColumn), "  52.00");
  Choose(Combo(kIdPricingCombo), "Chars & spaces");
  EXPECT_EQ(Cell(0, kAmountColumn), "  62.00");
  EXPECT_EQ(Header(kWordsColumn), "Words: 100");
  rate->clear();
  EXPECT_EQ(Cell(0, kAmountColumn), "   0.00");
}

TEST_F(PricingControlsTest, ACurrencyChoiceRelabelsRowsAndLaterRows) {
  ListInFileList({Write("a.txt", ""), Write("b.txt", "")});
  Choose(Combo(kIdCurrencyCombo), "RUR");
  EXPECT_EQ(W().Pricing().Current().currency, "RUR");
  SelectInFileList({0});
  W().OnAddSelected();
  EXPECT_EQ(Cell(0, kCurrencyColumn), "RUR");
  Choose(Combo(kIdCurrencyCombo), "USD");
  EXPECT_EQ(Cell(0, kCurrencyColumn), "USD");
  EXPECT_EQ(Cell(0, kAmountColumn), "");  // a label only: nothing is repriced
}

TEST_F(PricingControlsTest, ThePricingModeIsChosenFromTheListOnly) {
  QComboBox* pricing = Combo(kIdPricingCombo);
  EXPECT_FALSE(pricing->isEditable());
  Choose(pricing, "Words");
  pricing->setFocus();
  QTest::keyClicks(pricing, "Xylophone");
  EXPECT_EQ(pricing->currentText(), "Words");
  EXPECT_EQ(W().Pricing().Current().pricing, "Words");
  // The arrow keys move through the entries, each a choice of the user.
  QTest::keyClick(pricing, Qt::Key_Up);
  EXPECT_EQ(pricing->currentText(), "Chars & spaces");
  EXPECT_EQ(W().Pricing().Current().pricing, "Chars & spaces");
}

}  // namespace
}  // namespace tw
