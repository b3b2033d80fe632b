#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "Utf16Bytes.h"
#include "store/CurrencyList.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::AsciiUtf16Le;
using test::ReadFileBytes;
using test::TempDir;
using Names = std::vector<std::string>;

TEST(CurrencyListText, Parsing) {
  const struct {
    const char* stored;
    Names names;
  } cases[] = {
      {"USD,EUR,RUR", {"USD", "EUR", "RUR"}},
      {" USD ,  EUR ", {"USD", "EUR"}},
      {"USD,,EUR", {"USD", "", "EUR"}},
      {"USD,", {"USD"}},
      {"USD, ", {"USD"}},
      {",", {""}},
      {"", {}},
      {"   ", {}},
      {"a, ,b", {"a", "", "b"}},
      {"\tUSD", {"\tUSD"}},  // only the space character is trimmed
      {"Euro zone,US dollar", {"Euro zone", "US dollar"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseCurrencyList(c.stored), c.names) << c.stored;
}

TEST(CurrencyListText, Joining) {
  const struct {
    Names names;
    const char* joined;
  } cases[] = {
      {{"EUR", "RUR", "USD"}, "EUR,RUR,USD"},
      {{}, ""},
      {{"", "EUR"}, ",EUR"},
      {{"EUR", ""}, "EUR"},  // every trailing comma goes
      {{"EUR", "", ""}, "EUR"},
      {{" usd "}, " usd "},
  };
  for (const auto& c : cases) EXPECT_EQ(JoinCurrencyList(c.names), c.joined);
}

TEST(CurrencyListText, SortOrderIgnoresCaseThenBytes) {
  Names names = {"USD", "eur", "RUR", "EUR", "usd", "", "CHF"};
  SortCurrencyNames(names);
  EXPECT_EQ(names, (Names{"", "CHF", "EUR", "eur", "RUR", "USD", "usd"}));
  EXPECT_EQ(CurrencyInsertIndex(names, "GBP"), 4u);
  EXPECT_EQ(CurrencyInsertIndex(names, "USD"), 6u);
  EXPECT_EQ(CurrencyInsertIndex({}, "USD"), 0u);
}

TEST(CurrencyListText, AddChecks) {
  const Names listed = {"EUR", "USD"};
  const struct {
    const char* typed;
    CurrencyAddCheck check;
    const char* message;
  } cases[] = {
      {"GBP", CurrencyAddCheck::Add, ""},
      {"usd", CurrencyAddCheck::Add, ""},  // the check is case-sensitive
      {" USD", CurrencyAddCheck::Add, ""},
      {"", CurrencyAddCheck::Empty, ""},
      {"USD", CurrencyAddCheck::Duplicate, "You already have such currency!"},
      {"US,D", CurrencyAddCheck::HasComma, "A currency name cannot contain a comma!"},
      {"EUR,", CurrencyAddCheck::HasComma, "A currency name cannot contain a comma!"},
  };
  for (const auto& c : cases) {
    const CurrencyAddCheck check = CheckNewCurrency(c.typed, listed);
    EXPECT_EQ(check, c.check) << c.typed;
    EXPECT_EQ(CurrencyAddMessage(check), c.message) << c.typed;
  }
}

class CurrencyFile : public ::testing::Test {
 protected:
  std::string Path() const { return (dir.Path() / "currency.dat").string(); }
  TempDir dir;
};

TEST_F(CurrencyFile, FirstStartWritesTheDefaults) {
  EXPECT_EQ(FillCurrencyComboNames(Path()), (Names{"EUR", "RUR", "USD"}));
  EXPECT_EQ(ReadFileBytes(Path()), AsciiUtf16Le("currencies=USD,EUR,RUR\r\n"));
}

TEST_F(CurrencyFile, StoredListFillsTheComboSortedAndIsNotRewritten) {
  const std::string bytes = AsciiUtf16Le("currencies= usd ,JPY,,CHF,\r\n");
  dir.Write("currency.dat", bytes);
  EXPECT_EQ(FillCurrencyComboNames(Path()), (Names{"", "CHF", "JPY", "usd"}));
  EXPECT_EQ(ReadFileBytes(Path()), bytes);
}

TEST_F(CurrencyFile, EmptyStoredListShowsDefaultsButKeepsTheFile) {
  const std::string bytes = AsciiUtf16Le("currencies=\r\n");
  dir.Write("currency.dat", bytes);
  EXPECT_EQ(FillCurrencyComboNames(Path()), (Names{"EUR", "RUR", "USD"}));
  EXPECT_EQ(ReadFileBytes(Path()), bytes);
  EXPECT_TRUE(LoadCurrencyDialogNames(Path()).empty());
}

TEST_F(CurrencyFile, FileWithoutTheKeyGetsTheDefaultLineAppended) {
  dir.Write("currency.dat", AsciiUtf16Le("other=1\r\n"));
  EXPECT_EQ(FillCurrencyComboNames(Path()), (Names{"EUR", "RUR", "USD"}));
  EXPECT_EQ(ReadFileBytes(Path()), AsciiUtf16Le("other=1\r\ncurrencies=USD,EUR,RUR\r\n"));
}

TEST_F(CurrencyFile, UnreadableFileShowsDefaultsAndIsNotReplaced) {
  ASSERT_EQ(::mkfifo(Path().c_str(), 0600), 0);
  EXPECT_EQ(FillCurrencyComboNames(Path()), (Names{"EUR", "RUR", "USD"}));
  EXPECT_TRUE(std::filesystem::is_fifo(Path()));
}

TEST_F(CurrencyFile, DialogOnMissingFileIsEmptyAndWritesNothing) {
  EXPECT_TRUE(LoadCurrencyDialogNames(Path()).empty());
  EXPECT_FALSE(std::filesystem::exists(Path()));
}

TEST_F(CurrencyFile, DialogWritesItsListBack) {
  const struct {
    Names list;
    const char* line;
  } cases[] = {
      {{"EUR", "GBP", "USD"}, "currencies=EUR,GBP,USD\r\n"},
      {{}, "currencies=\r\n"},
      {{"", "EUR"}, "currencies=,EUR\r\n"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(SaveCurrencyDialogNames(Path(), c.list));
    EXPECT_EQ(ReadFileBytes(Path()), AsciiUtf16Le(c.line));
  }
}

TEST_F(CurrencyFile, DialogRoundTripIsSorted) {
  dir.Write("currency.dat", AsciiUtf16Le("currencies=USD,EUR,RUR\r\n"));
  Names list = LoadCurrencyDialogNames(Path());
  EXPECT_EQ(list, (Names{"EUR", "RUR", "USD"}));
  list.insert(list.begin() + static_cast<long>(CurrencyInsertIndex(list, "GBP")), "GBP");
  ASSERT_TRUE(SaveCurrencyDialogNames(Path(), list));
  EXPECT_EQ(FillCurrencyComboNames(Path()), (Names{"EUR", "GBP", "RUR", "USD"}));
}

TEST_F(CurrencyFile, HandEditedFile) {
  const std::string fixture = test::FixturePath("store/currency-hand-edited.dat");
  EXPECT_EQ(LoadCurrencyDialogNames(fixture), (Names{"", "EUR", "GBP", "USD"}));
  const std::string bytes = ReadFileBytes(fixture);
  dir.Write("currency.dat", bytes);
  EXPECT_EQ(FillCurrencyComboNames(Path()), (Names{"", "EUR", "GBP", "USD"}));
  EXPECT_EQ(ReadFileBytes(Path()), bytes);
}

TEST_F(CurrencyFile, NonAsciiNamesSurvive) {
  ASSERT_TRUE(SaveCurrencyDialogNames(Path(), {"€", "₽"}));
  EXPECT_EQ(
      ReadFileBytes(Path()),
      AsciiUtf16Le("currencies=") + std::string("\xAC\x20,\x00\xBD\x20", 6) + AsciiUtf16Le("\r\n"));
  EXPECT_EQ(LoadCurrencyDialogNames(Path()), (Names{"€", "₽"}));
}

}  // namespace
}  // namespace tw
