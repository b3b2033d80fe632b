#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include "WindowFixture.h"
#include "app/BrowserPane.h"
#include "app/ControlIds.h"
#include "app/CountListAdder.h"
#include "app/CountListModel.h"
#include "app/CountListView.h"
#include "browser/FileList.h"
#include "counting/CellTexts.h"

namespace tw {
namespace {

std::vector<std::string> Paths(const CountListModel& model) {
  std::vector<std::string> paths;
  for (int row = 0; row < model.RowCount(); ++row) paths.push_back(model.Cell(row, kFileColumn));
  return paths;
}

const CurrentPricing kCurrent{"0.05", 0.05, "EUR", "Words"};

TEST(CountListAdder, AddSelectedPutsNewRowsBelowTheOldOnesInReverseOrder) {
  CountListModel model;
  CountListAdder::AddAll(model, {"/w/old.txt"}, kCurrent);
  EXPECT_EQ(CountListAdder::AddSelected(model, {"/w/a.txt", "/w/old.txt", "/w/b.txt"}, kCurrent),
            2);
  EXPECT_EQ(Paths(model), (std::vector<std::string>{"/w/old.txt", "/w/b.txt", "/w/a.txt"}));
  EXPECT_EQ(CellTextsOf(model.Rows()[2]),
            (CountRowCells{"/w/a.txt", "", "", "", "EUR", "0.05", ""}));
  EXPECT_EQ(model.Rows()[2].rate, 0.05);
}

TEST(CountListAdder, AddAllKeepsFileListOrderAndSkipsListedPathsCaseSensitively) {
  CountListModel model;
  CountListAdder::AddAll(model, {"/W/x.txt"}, kCurrent);
  EXPECT_EQ(
      CountListAdder::AddAll(model, {"/w/x.txt", "/W/x.txt", "/w/a.txt", "/w/a.txt"}, kCurrent), 2);
  EXPECT_EQ(Paths(model), (std::vector<std::string>{"/W/x.txt", "/w/x.txt", "/w/a.txt"}));
  EXPECT_EQ(CountListAdder::AddAll(model, Paths(model), kCurrent), 0);
}

// The straightforward reading of the add operations: each path compared with the rows one by one.
std::vector<std::string> PairwiseAddAll(std::vector<std::string> rows,
                                        const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (std::find(rows.begin(), rows.end(), path) == rows.end()) rows.push_back(path);
  }
  return rows;
}

std::vector<std::string> PairwiseAddSelected(std::vector<std::string> rows,
                                             const std::vector<std::string>& selected) {
  const size_t m = rows.size();
  for (const std::string& path : selected) {
    if (std::find(rows.begin(), rows.begin() + m, path) == rows.begin() + m) {
      rows.insert(rows.begin() + m, path);
    }
  }
  return rows;
}

TEST(CountListAdder, GivesWhatComparingEveryPathWithEveryRowGives) {
  std::mt19937 random(20261208);
  auto somePaths = [&](int count) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
      const int n = static_cast<int>(random() % 40);
      paths.push_back((n % 2 ? "/w/A" : "/w/a") + std::to_string(n / 2) + ".txt");
    }
    return paths;
  };
  for (int round = 0; round < 50; ++round) {
    const std::vector<std::string> start = PairwiseAddAll({}, somePaths(15));
    const std::vector<std::string> incoming = somePaths(25);
    CountListModel all;
    CountListAdder::AddAll(all, start, kCurrent);
    CountListAdder::AddAll(all, incoming, kCurrent);
    EXPECT_EQ(Paths(all), PairwiseAddAll(start, incoming)) << round;
    CountListModel selected;
    CountListAdder::AddAll(selected, start, kCurrent);
    CountListAdder::AddSelected(selected, incoming, kCurrent);
    EXPECT_EQ(Paths(selected), PairwiseAddSelected(start, incoming)) << round;
  }
}

TEST(CountListAdder, AddsALargeFileListInOnePass) {
  CountListModel model;
  std::vector<std::string> paths;
  for (int i = 0; i < 100000; ++i) paths.push_back("/w/" + std::to_string(i) + ".txt");
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  EXPECT_EQ(CountListAdder::AddAll(model, paths, kCurrent), 100000);
  EXPECT_EQ(inserted.count(), 1);
  EXPECT_EQ(CountListAdder::AddAll(model, paths, kCurrent), 0);
  EXPECT_EQ(model.Cell(99999, kFileColumn), "/w/99999.txt");
}

TEST(CountListModel, RemovesScatteredAndContiguousRows) {
  for (int step : {1, 2, 3}) {  // 2 and 3 give more separate ranges than are removed one by one
    CountListModel model;
    std::vector<std::string> paths;
    for (int i = 0; i < 400; ++i) paths.push_back(std::to_string(i));
    CountListAdder::AddAll(model, paths, kCurrent);
    std::vector<int> doomed;
    for (int i = 399; i >= 0; i -= step) doomed.push_back(i);
    model.RemoveRows(doomed);
    std::vector<std::string> expected;
    for (int i = 0; i < 400; ++i) {
      if ((399 - i) % step != 0) expected.push_back(std::to_string(i));
    }
    EXPECT_EQ(Paths(model), expected) << step;
  }
}

class CountListOperations : public test::WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Open();
    a = Write("a.txt", "one");
    b = Write("b.txt", "two");
    c = Write("c.txt", "three");
  }
  bool SaveReportEnabled() { return Button(kIdSaveReport)->isEnabled(); }
  std::string a, b, c;
};

TEST_F(CountListOperations, StartsEmptyWithTheInitialHeaders) {
  EXPECT_EQ(Header(0), "List files to count statistics: 0");
  const char* rest[] = {
      "Words: ", "Characters with spaces: ", "Characters: ", "Currency: ", "Rate: ", "Amount: "};
  for (int column = 1; column < 7; ++column) EXPECT_EQ(Header(column), rest[column - 1]);
  EXPECT_FALSE(SaveReportEnabled());
}

TEST_F(CountListOperations, AddSelectedReversesTheSelectionAndCountsTheRows) {
  ListInFileList({a, b, c});
  SelectInFileList({0, 1, 2});
  W().OnAddSelected();
  EXPECT_EQ(Paths(W().Model()), (std::vector<std::string>{c, b, a}));
  EXPECT_EQ(Header(0), "List files to count statistics: 3");

  // Nothing new: the header is not rewritten.
  W().Model().SetHeader(0, "marker");
  W().OnAddSelected();
  EXPECT_EQ(Header(0), "marker");
}

TEST_F(CountListOperations, AddSelectedWithoutSelectionDoesNothing) {
  ListInFileList({a, b});
  W().OnAddSelected();
  EXPECT_EQ(W().Model().RowCount(), 0);
  EXPECT_EQ(Header(0), "List files to count statistics: 0");
}

TEST_F(CountListOperations, AddAllTwiceAddsOnceButRewritesTheHeader) {
  ListInFileList({a, b, c});
  W().OnAddAll();
  EXPECT_EQ(Paths(W().Model()), (std::vector<std::string>{a, b, c}));
  EXPECT_EQ(Header(0), "List files to count statistics: 3");
  EXPECT_EQ(W().StatusPane(0)->text(), " ");
  W().Model().SetHeader(0, "marker");
  W().OnAddAll();
  EXPECT_EQ(W().Model().RowCount(), 3);
  EXPECT_EQ(Header(0), "List files to count statistics: 3");
}

TEST_F(CountListOperations, NewRowsTakeTheCurrentRateAndCurrency) {
  Choose(Combo(kIdCurrencyCombo), "RUR");
  Edit(kIdRateEdit)->setText("0.07");
  ListInFileList({a});
  W().OnAddAll();
  EXPECT_EQ(Cell(0, kCurrencyColumn), "RUR");
  EXPECT_EQ(Cell(0, kRateColumn), "0.07");
  EXPECT_EQ(W().Model().Rows()[0].rate, 0.07);
}

TEST_F(CountListOperations, RemoveTakesTheSelectedRowsAndKeepsTheTotalsHeaders) {
  ListInFileList({a, b, c});
  W().OnAddAll();
  W().Model().SetHeader(kWordsColumn, "Words: 12");
  SelectCountRows({0, 2});
  W().OnRemove();
  EXPECT_EQ(Paths(W().Model()), (std::vector<std::string>{b}));
  EXPECT_EQ(Header(0), "List files to count statistics: 1");
  EXPECT_EQ(Header(kWordsColumn), "Words: 12");

  SelectCountRows({0});
  W().OnRemove();
  EXPECT_EQ(Header(0), "List files to count statistics: 0");
  EXPECT_FALSE(SaveReportEnabled());
}

TEST_F(CountListOperations, RemoveWithoutSelectionChangesNothing) {
  ListInFileList({a});
  W().OnAddAll();
  W().Model().SetHeader(0, "marker");
  W().OnRemove();
  EXPECT_EQ(W().Model().RowCount(), 1);
  EXPECT_EQ(Header(0), "marker");
}

TEST_F(CountListOperations, RemoveAllResetsTheHeadersButCurrencyAndRate) {
  ListInFileList({a, b});
  W().OnAddAll();
  for (int column = 0; column < 7; ++column) W().Model().SetHeader(column, "x");
  W().OnRemoveAll();
  EXPECT_EQ(W().Model().RowCount(), 0);
  EXPECT_EQ(Header(0), "List files to count statistic: ");
  EXPECT_EQ(Header(1), "Words: ");
  EXPECT_EQ(Header(2), "Characters with spaces: ");
  EXPECT_EQ(Header(3), "Characters: ");
  EXPECT_EQ(Header(4), "x");
  EXPECT_EQ(Header(5), "x");
  EXPECT_EQ(Header(6), "Amount: ");
  EXPECT_FALSE(SaveReportEnabled());
}

TEST_F(CountListOperations, TheAddButtonsAndADoubleClickReachTheOperations) {
  ListInFileList({a, b});
  Button(kIdAddAll)->click();
  EXPECT_EQ(W().Model().RowCount(), 2);
  W().OnRemoveAll();
  SelectInFileList({1});
  emit W().Browser()->Files()->fileDoubleClicked();
  EXPECT_EQ(Paths(W().Model()), (std::vector<std::string>{b}));
}

TEST_F(CountListOperations, AddSubfoldersListsTheSelectedFolderTree) {
  Write("sub/deeper/d.txt", "four");
  W().Browser()->Files()->TypeFlags().CountTxt = 1;
  W().Browser()->SelectFolder(dir.Path().string());
  if (W().Browser()->SelectedFolder() != dir.Path().string()) {
    GTEST_SKIP() << "the temporary folder is not reachable in the folder tree here";
  }
  QSignalSpy listed(W().Browser(), &BrowserPane::subtreeListed);
  Button(kIdAddSubfolders)->click();
  EXPECT_EQ(W().StatusPane(0)->text(), "Adding files - be patient! (Press ESC to cancel)");
  ASSERT_TRUE(listed.wait(10000));
  EXPECT_EQ(W().Browser()->Files()->RowCount(), 4);
  EXPECT_EQ(W().Model().RowCount(), 0);
  EXPECT_EQ(W().StatusPane(0)->text(), " ");
}

}  // namespace
}  // namespace tw
