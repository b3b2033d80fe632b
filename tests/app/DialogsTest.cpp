#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "WindowFixture.h"
#include "app/AboutDialog.h"
#include "app/AddCurrencyDialog.h"
#include "app/ControlIds.h"
#include "app/CurrencyDialog.h"
#include "app/OptionsDialog.h"

namespace tw {
namespace {

using test::RecordingMessageService;
using test::TempDir;
using test::WindowFixture;

std::string Utf16(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) {
    bytes.push_back(c);
    bytes.push_back('\0');
  }
  return bytes;
}

TEST(OptionsDialog, ClicksTakeEffectAtOnceAndOutliveTheDialog) {
  CountOptions options;
  {
    OptionsDialog dialog(options);
    EXPECT_EQ(dialog.windowTitle(), "Options");
    EXPECT_EQ(dialog.HeadersAndFooters()->text(), "Count in headers and footers");
    EXPECT_EQ(dialog.HeadersAndFooters()->property(kControlIdProperty).toInt(), 1067);
    EXPECT_EQ(dialog.ExtraSymbols()->text(), "Treat extra symbols in txt files like a word");
    EXPECT_EQ(dialog.ExtraSymbols()->property(kControlIdProperty).toInt(), 1075);
    EXPECT_EQ(dialog.LegacyByteRules()->text(), "Legacy byte rules");
    EXPECT_FALSE(dialog.HeadersAndFooters()->isChecked());
    QTest::mouseClick(dialog.HeadersAndFooters(), Qt::LeftButton);
    EXPECT_TRUE(options.headersAndFooters);
    QTest::mouseClick(dialog.ExtraSymbols(), Qt::LeftButton);
    QTest::mouseClick(dialog.ExtraSymbols(), Qt::LeftButton);
    EXPECT_FALSE(options.extraSymbolsAsWords);
    QTest::mouseClick(dialog.LegacyByteRules(), Qt::LeftButton);
    EXPECT_TRUE(options.legacyByteRules);
  }
  OptionsDialog reopened(options);
  EXPECT_TRUE(reopened.HeadersAndFooters()->isChecked());
  EXPECT_FALSE(reopened.ExtraSymbols()->isChecked());
  EXPECT_TRUE(reopened.LegacyByteRules()->isChecked());
  auto* close = reopened.findChild<QPushButton*>("closeButton");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text(), "Close");
}

TEST(OptionsDialog, EachContentSwitchTurnsItsKindOnAndEveryOptionExplainsItself) {
  CountOptions options;
  OptionsDialog dialog(options);
  const struct {
    QCheckBox* box;
    const char* caption;
    bool ContentSwitches::*field;
  } switches[] = {
      {dialog.Notes(), "Speaker notes", &ContentSwitches::notes},
      {dialog.Comments(), "Comments", &ContentSwitches::comments},
      {dialog.Charts(), "Charts", &ContentSwitches::charts},
      {dialog.Diagrams(), "Diagrams (SmartArt)", &ContentSwitches::diagrams},
      {dialog.Hidden(), "Hidden text and slides", &ContentSwitches::hidden},
  };
  for (const auto& s : switches) {
    EXPECT_EQ(s.box->text(), s.caption);
    QTest::mouseClick(s.box, Qt::LeftButton);
    ContentSwitches only;
    only.*s.field = true;
    EXPECT_EQ(options.include, only) << s.caption;
    QTest::mouseClick(s.box, Qt::LeftButton);
  }
  EXPECT_EQ(options.include, ContentSwitches{});
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
    // Every tool tip names an example of what the switch changes.
    EXPECT_TRUE(box->toolTip().contains(QStringLiteral("e.g."))) << box->text().toStdString();
  }
}

TEST(AboutDialog, ShowsTheVersion) {
  AboutDialog about;
  EXPECT_EQ(about.windowTitle(), "About Tallywright");
  EXPECT_EQ(about.findChild<QLabel*>("aboutText")->text(),
            QStringLiteral("Tallywright version ") + QStringLiteral(TALLYWRIGHT_VERSION));
  EXPECT_EQ(about.findChild<QPushButton*>("okButton")->text(), "OK");
}

TEST(AddCurrencyDialog, OkHandsBackTheTextUntrimmedAndCancelNothing) {
  AddCurrencyDialog ok;
  EXPECT_EQ(ok.windowTitle(), "New currency");
  QTest::keyClicks(ok.NameEdit(), " gbp ");
  ok.findChild<QPushButton*>("okButton")->click();
  EXPECT_EQ(ok.result(), QDialog::Accepted);
  EXPECT_EQ(ok.NewCurrency(), " gbp ");

  AddCurrencyDialog cancel;
  QTest::keyClicks(cancel.NameEdit(), "GBP");
  cancel.findChild<QPushButton*>("cancelButton")->click();
  EXPECT_EQ(cancel.result(), QDialog::Rejected);
  EXPECT_EQ(cancel.NewCurrency(), "");
}

class CurrencyDialogTest : public WindowFixture {
 protected:
  std::string CurrencyFile() { return test::ReadFileBytes(Config() / "currency.dat"); }
  std::vector<std::string> ComboItems() {
    std::vector<std::string> items;
    QComboBox* combo = Combo(kIdCurrencyCombo);
    for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
    return items;
  }
  std::unique_ptr<CurrencyDialog> Dialog(std::vector<std::string>* comboAdds = nullptr) {
    auto dialog = std::make_unique<CurrencyDialog>(messages, [comboAdds](const std::string& n) {
      if (comboAdds) comboAdds->push_back(n);
    });
    dialog->SetNameAsker([this](QWidget*) -> std::optional<std::string> {
      if (answers.empty()) return std::nullopt;
      std::optional<std::string> next = answers.front();
      answers.erase(answers.begin());
      return next;
    });
    return dialog;
  }
  std::vector<std::optional<std::string>> answers;
};

TEST_F(CurrencyDialogTest, AFirstStartWritesTheDefaultsAndSortsTheCombo) {
  Open();
  EXPECT_EQ(ComboItems(), std::vector<std::string>({"EUR", "RUR", "USD"}));
  EXPECT_EQ(CurrencyFile(), Utf16("currencies=USD,EUR,RUR\r\n"));
}

TEST_F(CurrencyDialogTest, StoredNamesAreSplitTrimmedAndSorted) {
  WriteConfig("currency.dat", Utf16("currencies= usd ,GBP,,CHF,\r\n"));
  Open();
  EXPECT_EQ(ComboItems(), std::vector<std::string>({"", "CHF", "GBP", "usd"}));
}

TEST_F(CurrencyDialogTest, AddChecksDuplicatesAndFeedsTheCombo) {
  Open();
  std::vector<std::string> comboAdds;
  auto dialog = Dialog(&comboAdds);
  EXPECT_EQ(dialog->windowTitle(), "Currency");
  EXPECT_EQ(dialog->List()->headerItem()->text(0), "Currency");
  EXPECT_EQ(dialog->List()->columnWidth(0), 220);
  EXPECT_EQ(dialog->Names(), std::vector<std::string>({"EUR", "RUR", "USD"}));

  answers = {std::string("GBP"), std::string("EUR"), std::string("usd"), std::nullopt,
             std::string("")};
  auto* add = dialog->findChild<QPushButton*>("addButton");
  for (int i = 0; i < 5; ++i) add->click();
  EXPECT_EQ(dialog->Names(), std::vector<std::string>({"EUR", "GBP", "RUR", "USD"}));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>(2, "You already have such currency!"));
  EXPECT_EQ(comboAdds, std::vector<std::string>({"GBP"}));
}

TEST_F(CurrencyDialogTest, DeleteNeedsASelectionAndLeavesTheCombo) {
  Open();
  auto dialog = Dialog();
  dialog->findChild<QPushButton*>("deleteButton")->click();
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Nothing to delete!"});
  EXPECT_EQ(messages.Boxes()[0].icon, MessageIcon::None);
  dialog->List()->setCurrentItem(dialog->List()->topLevelItem(1));
  dialog->OnDelete();
  EXPECT_EQ(dialog->Names(), std::vector<std::string>({"EUR", "USD"}));
  dialog->reject();  // cancelling writes the list too
  EXPECT_EQ(CurrencyFile(), Utf16("currencies=EUR,USD\r\n"));
  EXPECT_EQ(ComboItems(), std::vector<std::string>({"EUR", "RUR", "USD"}));
}

TEST_F(CurrencyDialogTest, DeletingTheCurrencyInUseAsksFirst) {
  Open();
  auto dialog = Dialog();
  dialog->SetCurrencyInUse("RUR");
  dialog->List()->setCurrentItem(dialog->List()->topLevelItem(1));
  messages.ScriptAnswer(MessageAnswer::No);
  dialog->OnDelete();
  EXPECT_EQ(dialog->Names(), std::vector<std::string>({"EUR", "RUR", "USD"}));
  ASSERT_EQ(messages.Boxes().size(), 1u);
  EXPECT_EQ(messages.Boxes()[0].buttons, MessageButtons::YesNo);
  dialog->OnDelete();  // answered Yes
  EXPECT_EQ(dialog->Names(), std::vector<std::string>({"EUR", "USD"}));
  dialog->List()->setCurrentItem(dialog->List()->topLevelItem(0));
  dialog->OnDelete();  // not in use: no question
  EXPECT_EQ(messages.Boxes().size(), 2u);
}

TEST_F(CurrencyDialogTest, TheChosenCurrencyIsKeptByNameAcrossARestart) {
  Open();
  Choose(Combo(kIdCurrencyCombo), "RUR");
  {
    auto dialog = Dialog();
    answers = {std::string("AUD"), std::string("CHF")};
    dialog->OnAdd();
    dialog->OnAdd();
    dialog->List()->setCurrentItem(dialog->List()->topLevelItem(2));  // EUR
    dialog->OnDelete();
    dialog->accept();
  }
  W().SaveSettings();
  window.reset();
  Open();
  EXPECT_EQ(ComboItems(), std::vector<std::string>({"AUD", "CHF", "RUR", "USD"}));
  EXPECT_EQ(Combo(kIdCurrencyCombo)->currentText(), "RUR");
}

TEST_F(CurrencyDialogTest, AnEmptiedListKeepsAnEmptyLineAndTheNextStartShowsTheDefaults) {
  Open();
  {
    auto dialog = Dialog();
    while (dialog->List()->topLevelItemCount() > 0) {
      dialog->List()->setCurrentItem(dialog->List()->topLevelItem(0));
      dialog->OnDelete();
    }
    dialog->accept();
  }
  EXPECT_EQ(CurrencyFile(), Utf16("currencies=\r\n"));
  window.reset();
  Open();
  EXPECT_EQ(ComboItems(), std::vector<std::string>({"EUR", "RUR", "USD"}));
  EXPECT_EQ(CurrencyFile(), Utf16("currencies=\r\n"));
  EXPECT_TRUE(Dialog()->Names().empty());
}

TEST_F(CurrencyDialogTest, TheToolsMenuOpensTheDialogAndAnAddedNameReachesTheCombo) {
  Open();
  W().show();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<CurrencyDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    seen = true;
    dialog->SetNameAsker([](QWidget*) { return std::optional<std::string>("AUD"); });
    dialog->OnAdd();
    dialog->findChild<QPushButton*>("closeButton")->click();
  });
  Combo(kIdCurrencyCombo)->setCurrentIndex(-1);
  Combo(kIdCurrencyCombo)->setEditText("typed");
  W().Command(kCmdCurrency)->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(ComboItems(), std::vector<std::string>({"AUD", "EUR", "RUR", "USD"}));
  EXPECT_EQ(Combo(kIdCurrencyCombo)->currentIndex(), -1);
  EXPECT_EQ(Combo(kIdCurrencyCombo)->currentText(), "typed");
  EXPECT_EQ(CurrencyFile(), Utf16("currencies=AUD,EUR,RUR,USD\r\n"));
}

TEST_F(CurrencyDialogTest, TheOptionsCommandEditsTheWindowsOptions) {
  Open();
  W().show();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->HeadersAndFooters()->click();
    dialog->reject();
  });
  W().Command(kCmdOptions)->trigger();
  EXPECT_TRUE(W().Options().headersAndFooters);
  EXPECT_FALSE(W().Options().extraSymbolsAsWords);
}

}  // namespace
}  // namespace tw
