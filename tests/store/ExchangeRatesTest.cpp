#include <gtest/gtest.h>

#include "store/ExchangeRates.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::TempDir;

TEST(ExchangeRates, SavedRatesComeBackPerPair) {
  TempDir dir;
  const std::string path = (dir.Path() / kExchangeRatesFileName).string();
  ExchangeRates saved(path);
  saved.SetRate("USD", "EUR", "0.92");
  saved.SetRate("USD", "GBP", "0.8");
  saved.SetRate("USD", "EUR", "0.93");  // a new rate replaces the old one
  saved.SetRate("A\tB", "EUR", "1");    // cannot be kept in the file
  ASSERT_TRUE(saved.Save());

  ExchangeRates loaded(path);
  loaded.Load();
  EXPECT_EQ(loaded.Rate("USD", "EUR"), "0.93");
  EXPECT_EQ(loaded.Rate("USD", "GBP"), "0.8");
  EXPECT_EQ(loaded.Rate("GBP", "USD"), "1.25");  // the inverse of the pair kept the other way
  EXPECT_EQ(loaded.Rate("EUR", "GBP"), std::nullopt);
  EXPECT_EQ(loaded.Rate("A\tB", "EUR"), std::nullopt);
}

TEST(ExchangeRates, DamagedLinesArePassedOver) {
  TempDir dir;
  const std::string path =
      dir.Write("rates.txt", "USD\tEUR\t0.9\r\nbroken line\nUSD\tJPY\t150\textra\nEUR\tUSD\t0\n");
  ExchangeRates rates(path);
  rates.Load();
  EXPECT_EQ(rates.Rate("USD", "EUR"), "0.9");
  EXPECT_EQ(rates.Rate("USD", "JPY"), std::nullopt);
  // A stored rate of zero has no inverse.
  EXPECT_EQ(rates.Rate("EUR", "USD"), "0");
  EXPECT_EQ(rates.Rate("JPY", "USD"), std::nullopt);
}

TEST(ExchangeRates, TheFileLivesBesideTheSettings) {
  EXPECT_EQ(ExchangeRates::PathBeside("/home/u/.config/tallywright/settings.ini"),
            "/home/u/.config/tallywright/exchange-rates.txt");
  EXPECT_EQ(ExchangeRates::PathBeside("settings.ini"), "exchange-rates.txt");
  ExchangeRates missing("/nonexistent/folder/rates.txt");
  missing.Load();
  EXPECT_EQ(missing.Rate("USD", "EUR"), std::nullopt);
  EXPECT_FALSE(missing.Save());
}

}  // namespace
}  // namespace tw
