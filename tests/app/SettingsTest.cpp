#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include <QTest>

#include "WindowFixture.h"
#include "app/BrowserPane.h"
#include "app/ControlIds.h"
#include "app/PricingControls.h"
#include "browser/FileList.h"

namespace tw {
namespace {

using test::WindowFixture;

// UTF-16LE without byte-order mark, as the settings file is kept.
std::string Utf16(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) {
    bytes.push_back(c);
    bytes.push_back('\0');
  }
  return bytes;
}

std::string SettingsText(const std::string& directory, const std::string& values,
                         const std::string& window) {
  return "Directory=" + directory + "\r\n" + values + "\r\n[Window position]\r\n" + window;
}

const char* kValues =
    "CurrencyValue=0.05\r\nCurrencyName=2\r\nPricingBy=1\r\nCountTxt=1\r\nCountDoc=0\r\n"
    "CountRtf=1\r\nCountXls=0\r\nCountHtm=1\r\nCountPPT=0\r\nCountPdf=1\r\n";
const char* kWindow = "Bottom=580\r\nRight=790\r\nTop=20\r\nLeft=10\r\n";

class SettingsTest : public WindowFixture {
 protected:
  bool Checked(int id) { return Button(id)->isChecked(); }
  QRect Desktop() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(SettingsTest, AppliesEveryValueAndWritesTheFileBackByteForByte) {
  ASSERT_LE(790, Desktop().right() + 1) << "the offscreen desktop is smaller than expected";
  const std::string folder = dir.Path().string();
  const std::string original = Utf16(SettingsText(folder, kValues, kWindow));
  Write("settings.ini", original);
  Write("x.txt", "x");
  Write("x.doc", "x");
  Open();

  EXPECT_EQ(Edit(kIdRateEdit)->text(), "0.05");
  EXPECT_EQ(Combo(kIdCurrencyCombo)->currentText(), "USD");
  EXPECT_EQ(Combo(kIdPricingCombo)->currentText(), "Chars & spaces");
  EXPECT_EQ(W().Pricing().Current().rateText, "0.05");
  EXPECT_EQ(W().Pricing().Current().currency, "USD");
  EXPECT_EQ(W().Pricing().Current().pricing, "Chars & spaces");
  EXPECT_TRUE(Checked(kIdTxtCheck));
  EXPECT_FALSE(Checked(kIdDocCheck));
  EXPECT_TRUE(Checked(kIdRtfCheck));
  EXPECT_FALSE(Checked(kIdXlsCheck));
  EXPECT_TRUE(Checked(kIdHtmCheck));
  EXPECT_FALSE(Checked(kIdPptCheck));
  EXPECT_TRUE(Checked(kIdPdfCheck));
  const FileTypeFlags& flags = W().Browser()->Files()->TypeFlags();
  EXPECT_EQ(flags.CountTxt, 1);
  EXPECT_EQ(flags.CountDoc, 0);
  EXPECT_EQ(flags.CountPdf, 1);
  EXPECT_EQ(W().geometry(), QRect(10, 20, 780, 560));
  EXPECT_TRUE(messages.Texts().empty());
  EXPECT_EQ(W().Browser()->SelectedFolder(), folder);
  // The selected folder is listed with the stored types: the text file, not the Word file. The
  // listing runs on its own and arrives a moment later.
  const std::vector<std::string> listed{(dir.Path() / "x.txt").string()};
  EXPECT_TRUE(QTest::qWaitFor([&] { return W().Browser()->Files()->AllFullPaths() == listed; }));
  EXPECT_EQ(W().Browser()->Files()->AllFullPaths(), listed);

  // Emptied rather than removed, so the current folder still holds the settings.
  Write("settings.ini", "");
  W().SaveSettings();
  // The later formats' boxes, which the file lacked, were on and are written after the name;
  // the options follow them.
  const std::string withName = std::string(kValues) + "CurrencyCode=USD\r\n" +
                               "CountOdt=1\r\nCountXliff=1\r\nCountPo=1\r\nCountSub=1\r\n" +
                               "CountMd=1\r\nCountMore=1\r\n" +
                               "HeadersAndFooters=0\r\nExtraSymbols=0\r\n"
                               "LegacyByteRules=0\r\nInclude=\r\nRecentFolder1=" +
                               folder + "\r\nCountProfile=classic\r\n";
  EXPECT_EQ(test::ReadFileBytes(dir.Path() / "settings.ini"),
            Utf16(SettingsText(folder, withName, kWindow)));
}

struct StoredCase {
  const char* values;
  const char* expectCurrency;  // displayed text of the currency combo
  int expectCurrencyIndex;
  bool txt, rtf;
};

TEST_F(SettingsTest, StoredIndexesAndCheckBoxesAreClamped) {
  const StoredCase cases[] = {
      {"CurrencyName=5\r\nCountRtf=7\r\nCountTxt=7\r\n", "EUR", 0, true, false},
      {"CurrencyName=3\r\nCountRtf=1\r\nCountTxt=0\r\n", "EUR", 0, false, true},
      {"CurrencyName=-1\r\n", "", -1, true, false},
      {"CurrencyName=1\r\n", "RUR", 1, true, false},
  };
  for (const StoredCase& c : cases) {
    Write("settings.ini", Utf16(std::string("CurrencyValue=\r\n") + c.values));
    Open();
    EXPECT_EQ(Combo(kIdCurrencyCombo)->currentIndex(), c.expectCurrencyIndex) << c.values;
    EXPECT_EQ(Combo(kIdCurrencyCombo)->currentText().toStdString(), c.expectCurrency);
    EXPECT_EQ(Combo(kIdPricingCombo)->currentText(), "Chars") << c.values;  // missing: entry 0
    EXPECT_EQ(Edit(kIdRateEdit)->text(), "0.01") << c.values;  // empty: the default rate
    EXPECT_EQ(Checked(kIdTxtCheck), c.txt) << c.values;
    EXPECT_EQ(Checked(kIdRtfCheck), c.rtf) << c.values;
    window.reset();
  }
}

TEST_F(SettingsTest, WithoutWindowKeysTheWindowCoversTheDesktop) {
  Write("settings.ini", Utf16("CurrencyValue=0.02\r\n"));
  Open();
  EXPECT_EQ(W().geometry(), Desktop());
}

TEST_F(SettingsTest, OffDesktopEdgesAreMovedBack) {
  Write("settings.ini",
        Utf16("CurrencyValue=0.02\r\n\r\n[Window position]\r\nBottom=20\r\nRight=-2500\r\n"
              "Top=580\r\nLeft=-3000\r\n"));
  Open();
  // Top and bottom swap; the left edge comes to 0 and the right one is kept 640 away from it,
  // but the window is never smaller than its dragging minimum.
  EXPECT_EQ(W().geometry().left(), Desktop().left());
  EXPECT_EQ(W().geometry().top(), 20);
  EXPECT_GE(W().geometry().width(), 640);
}

TEST_F(SettingsTest, ARateWithALetterIsCheckedAtStartUp) {
  Write("settings.ini", Utf16("CurrencyValue=0.0x\r\n"));
  Open();
  EXPECT_TRUE(messages.Texts().empty());
  EXPECT_EQ(Edit(kIdRateEdit)->text(), "0.0");
}

TEST_F(SettingsTest, ARestartBringsTheChoicesBack) {
  Open();
  W().show();
  Choose(Combo(kIdCurrencyCombo), "RUR");
  Choose(Combo(kIdPricingCombo), "Words");
  Edit(kIdRateEdit)->setText("0.12");
  Button(kIdDocCheck)->click();  // on at the first start: now off
  W().OnExitCommand();
  window.reset();

  Open();
  EXPECT_EQ(Combo(kIdCurrencyCombo)->currentText(), "RUR");
  EXPECT_EQ(Combo(kIdPricingCombo)->currentText(), "Words");
  EXPECT_EQ(Edit(kIdRateEdit)->text(), "0.12");
  EXPECT_FALSE(Checked(kIdDocCheck));
  EXPECT_TRUE(Checked(kIdTxtCheck));
  EXPECT_FALSE(W().Options().headersAndFooters);
}

}  // namespace
}  // namespace tw
