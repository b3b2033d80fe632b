#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include "WindowFixture.h"
#include "app/BrowserPane.h"
#include "app/ControlIds.h"
#include "app/CountListModel.h"
#include "app/LocaleText.h"
#include "app/OptionsDialog.h"
#include "app/PricingControls.h"
#include "app/Translations.h"
#include "browser/FileList.h"
#include "counting/CellTexts.h"

namespace tw {
namespace {

using test::WindowFixture;

std::string Utf16(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) {
    bytes.push_back(c);
    bytes.push_back('\0');
  }
  return bytes;
}

class KeptSettingsTest : public WindowFixture {
 protected:
  QRect Screen() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
  std::vector<std::string> Items(QComboBox* combo) const {
    std::vector<std::string> items;
    for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
    return items;
  }
  void Restart() {
    W().OnExitCommand();
    window.reset();
    Open();
  }
  void EnterPath(const QString& text) {
    QLineEdit* edit = W().Browser()->PathField()->lineEdit();
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
};

TEST_F(KeptSettingsTest, OptionsComeBackAfterARestart) {
  Open();
  W().show();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    for (QCheckBox* box : {dialog->HeadersAndFooters(), dialog->Notes(), dialog->Hidden()}) {
      box->click();
    }
    dialog->Profile()->setCurrentIndex(dialog->Profile()->findData("word"));
    dialog->reject();
  });
  W().Command(kCmdOptions)->trigger();
  Restart();
  EXPECT_EQ(W().Options().profile, CountProfile::Word);
  EXPECT_TRUE(W().Options().headersAndFooters);
  EXPECT_FALSE(W().Options().extraSymbolsAsWords);
  EXPECT_FALSE(W().Options().legacyByteRules);
  EXPECT_EQ(W().Options().include, (ContentSwitches{.notes = true, .hidden = true}));
}

TEST_F(KeptSettingsTest, WithoutAPortableFileBothFilesLiveInTheConfigFolder) {
  WriteConfig("currency.dat", Utf16("currencies=CHF,GBP\r\n"));
  Open();
  EXPECT_EQ(Items(Combo(kIdCurrencyCombo)), (std::vector<std::string>{"CHF", "GBP"}));
  W().OnExitCommand();
  EXPECT_TRUE(std::filesystem::exists(Config() / "settings.ini"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "settings.ini"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "currency.dat"));
}

TEST_F(KeptSettingsTest, ASettingsFileInTheCurrentFolderIsUsedInstead) {
  Write("settings.ini", Utf16("CurrencyValue=0.07\r\n"));
  const std::string configured = Utf16("CurrencyValue=0.09\r\n");
  WriteConfig("settings.ini", configured);
  WriteConfig("currency.dat", Utf16("currencies=CHF\r\n"));
  Open();
  EXPECT_EQ(Edit(kIdRateEdit)->text(), "0.07");
  // The currencies beside the portable settings, made with the defaults.
  EXPECT_EQ(Items(Combo(kIdCurrencyCombo)), (std::vector<std::string>{"EUR", "RUR", "USD"}));
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "currency.dat"));
  Edit(kIdRateEdit)->setText("0.03");
  W().OnExitCommand();
  EXPECT_NE(test::ReadFileBytes(dir.Path() / "settings.ini").find(Utf16("CurrencyValue=0.03")),
            std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(Config() / "settings.ini"), configured);
}

TEST_F(KeptSettingsTest, AFirstStartIsReadyToUse) {
  const std::string job = Write("home/job.txt", "one two");
  Open();
  for (const BrowserPane::TypeBox& box : BrowserPane::kTypeBoxes) {
    EXPECT_TRUE(Button(box.id)->isChecked()) << box.caption;
  }
  EXPECT_EQ(Edit(kIdRateEdit)->text(), "0.01");
  EXPECT_EQ(Combo(kIdCurrencyCombo)->currentIndex(), 0);
  EXPECT_EQ(Combo(kIdPricingCombo)->currentText(), "Words");
  EXPECT_EQ(W().Pricing().Current().pricing, "Words");
  EXPECT_EQ(W().Browser()->SelectedFolder(), Home().string());
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return W().Browser()->Files()->AllFullPaths() == std::vector<std::string>{job}; }));
  // The designed size is larger than the test screen: the window is cut to it.
  EXPECT_TRUE(Screen().contains(W().geometry())) << W().geometry().width();
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(KeptSettingsTest, AStoredPlaceIsFittedToTheScreen) {
  const struct {
    const char* name;
    const char* edges;
  } cases[] = {
      {"larger than the screen", "Bottom=4000\r\nRight=5000\r\nTop=-300\r\nLeft=-200\r\n"},
      {"on a screen no longer there", "Bottom=5600\r\nRight=5900\r\nTop=5000\r\nLeft=5000\r\n"},
  };
  for (const auto& c : cases) {
    Write("settings.ini",
          Utf16(std::string("CurrencyValue=0.02\r\n\r\n[Window position]\r\n") + c.edges));
    Open();
    EXPECT_TRUE(Screen().contains(W().geometry())) << c.name;
    EXPECT_GE(W().width(), kMinimumWindowWidth) << c.name;
    window.reset();
  }
}

TEST_F(KeptSettingsTest, TheHomeButtonAndThePathFieldShowFoldersAndAreRemembered) {
  std::filesystem::create_directories(dir.Path() / "jobs" / "march");
  const std::string jobs = (dir.Path() / "jobs").string();
  Open();
  EnterPath(QStringLiteral("file://") + QString::fromStdString(jobs));
  EXPECT_EQ(W().Browser()->SelectedFolder(), jobs);
  EnterPath(QString::fromStdString(jobs + "/no such folder"));
  EXPECT_EQ(W().Browser()->SelectedFolder(), jobs);
  W().Browser()->HomeButton()->click();
  EXPECT_EQ(W().Browser()->SelectedFolder(), Home().string());
  const std::vector<std::string> recent{Home().string(), jobs};
  EXPECT_EQ(W().Browser()->RecentFolders(), recent);
  Restart();
  EXPECT_EQ(W().Browser()->RecentFolders(), recent);
}

class GermanWindowTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    previous = QLocale();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  }
  void TearDown() override {
    WindowFixture::TearDown();
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
    QLocale::setDefault(previous);
  }
  QLocale previous;
};

TEST_F(GermanWindowTest, TextsAreTranslatedAndFiguresShowADecimalComma) {
  ASSERT_TRUE(Translations::Install(*qApp, QLocale()));
  Open();
  EXPECT_EQ(Combo(kIdPricingCombo)->currentText(), QStringLiteral("Wörter"));
  EXPECT_EQ(W().Pricing().Current().pricing, "Words");  // the mode keeps its own name
  ListInFileList({Write("job.txt", "one two three four five six seven eight")});
  W().OnAddAll();
  CountAndWait();
  const QModelIndex amount = W().Model().index(0, kAmountColumn);
  EXPECT_EQ(W().Model().data(amount).toString().trimmed(), "0,08");
  EXPECT_NE(Cell(0, kAmountColumn).find("0.08"), std::string::npos);  // kept in the C form
  EXPECT_TRUE(QString::fromStdString(Header(kAmountColumn)).startsWith("Betrag: "));
  EXPECT_TRUE(QString::fromStdString(Header(kAmountColumn)).endsWith("0,08"));
  W().OnExitCommand();
  EXPECT_NE(test::ReadFileBytes(Config() / "settings.ini").find(Utf16("CurrencyValue=0.01")),
            std::string::npos);
}

TEST(LocaleText, OnlyDotsBetweenDigitsBecomeTheLocalesSeparator) {
  const QLocale german(QLocale::German);
  const struct {
    const char* kept;
    const char* shown;
  } cases[] = {{"0.08", "0,08"},     {"   12.50", "   12,50"},
               {"1.2.3", "1,2,3"},   {"v.2", "v.2"},
               {"3.", "3."},         {".5", ".5"},
               {"etc. 4", "etc. 4"}, {"", ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(LocaleText::Numbers(QString::fromLatin1(c.kept), german), c.shown) << c.kept;
  }
  EXPECT_EQ(LocaleText::Numbers(QStringLiteral("0.08"), QLocale::c()), "0.08");
  // File names keep their dots whatever the locale.
  EXPECT_EQ(LocaleText::Cell(kFileColumn, "/jobs/v1.5.txt"), "/jobs/v1.5.txt");
}

}  // namespace
}  // namespace tw
